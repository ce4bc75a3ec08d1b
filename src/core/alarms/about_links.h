#pragma once
// What the about box hands the shell for its two links.
#include <string>

namespace core {

// The design's website text as a web address to open, or "" when it is none. The text comes
// from a design file, so anything else (a program, a local file, another scheme) must not
// reach the shell: only "http://" and "https://" addresses, and "www." names, which get
// "http://" in front. Letters of the scheme may be of either case.
std::string WebsiteTarget(const std::string& text);

// "mailto:" joined directly to the stored address.
std::string EmailTarget(const std::string& text);

}  // namespace core
