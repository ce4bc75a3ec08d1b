#pragma once
// Menu captions: the accelerator rule and the shortcut column. "&" before a character makes
// that character the mnemonic (shown underlined), "&&" is a literal "&", and a tab separates
// the caption from its shortcut text. Templates, because framework captions are 8-bit texts
// while the menu bar keeps wide ones.
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace core {

template <typename Char>
struct TMenuCaption {
    std::basic_string<Char> text;  // what is shown, without the "&" markers
    int underline = -1;            // index in `text` of the mnemonic, -1 when none
    Char mnemonic = 0;             // the mnemonic character as written, 0 when none
};

// Only the first single "&" makes a mnemonic; later ones are dropped from the text but do not
// underline a second character. A lone "&" at the very end is shown as it is.
template <typename Char>
TMenuCaption<Char> ParseMenuCaption(const std::basic_string<Char>& caption) {
    TMenuCaption<Char> out;
    out.text.reserve(caption.size());
    for (size_t i = 0; i < caption.size(); ++i) {
        const Char c = caption[i];
        if (c != Char('&') || i + 1 == caption.size()) {
            out.text.push_back(c);
            continue;
        }
        const Char next = caption[++i];
        if (next != Char('&') && out.underline < 0) {
            out.underline = int(out.text.size());
            out.mnemonic = next;
        }
        out.text.push_back(next);
    }
    return out;
}

// The caption before the first tab and the shortcut text after it ("&Close\tAlt+F4").
template <typename Char>
std::pair<std::basic_string<Char>, std::basic_string<Char>> SplitMenuShortcut(
    const std::basic_string<Char>& caption) {
    const size_t tab = caption.find(Char('\t'));
    if (tab == std::basic_string<Char>::npos)
        return {caption, std::basic_string<Char>()};
    return {caption.substr(0, tab), caption.substr(tab + 1)};
}

// Case folding for mnemonic keys: ASCII and the Latin-1 letters. Callers with other scripts
// pass their own (the system's upper-case conversion).
char32_t FoldMenuKey(char32_t c);
using MenuKeyFold = char32_t (*)(char32_t);

template <typename Char>
char32_t MenuCharCode(Char c) {
    // 8-bit texts hold code-page bytes: widen them without sign extension.
    if (sizeof(Char) == 1)
        return char32_t(static_cast<unsigned char>(c));
    return char32_t(c);
}

// Index of the first caption whose mnemonic is `key` (case-insensitive), or -1.
template <typename Char>
int FindMenuMnemonic(const std::vector<std::basic_string<Char>>& captions,
                     char32_t key,
                     MenuKeyFold fold = FoldMenuKey) {
    if (key == 0)
        return -1;
    const char32_t wanted = fold(key);
    for (size_t i = 0; i < captions.size(); ++i) {
        const TMenuCaption<Char> c = ParseMenuCaption(captions[i]);
        if (c.underline >= 0 && fold(MenuCharCode(c.mnemonic)) == wanted)
            return int(i);
    }
    return -1;
}

}  // namespace core
