// The about box's link targets: only web addresses reach the shell from the website label.
#include "core/alarms/about_links.h"

#include <gtest/gtest.h>

namespace {

using core::EmailTarget;
using core::WebsiteTarget;

TEST(AboutLinksTest, WebAddressesPassUnchangedAndWwwGetsAScheme) {
    EXPECT_EQ(WebsiteTarget("http://clocks.example.com/a?b=c"), "http://clocks.example.com/a?b=c");
    EXPECT_EQ(WebsiteTarget("HTTPS://Example.com"), "HTTPS://Example.com");
    EXPECT_EQ(WebsiteTarget("www.example.com"), "http://www.example.com");
    EXPECT_EQ(WebsiteTarget("WWW.example.com"), "http://WWW.example.com");
}

TEST(AboutLinksTest, AnythingElseOpensNothing) {
    for (const char* text :
         {"", "calc.exe", "C:\\Windows\\system32\\cmd.exe", "file:///C:/boot.ini",
          "\\\\server\\share\\x.exe", "javascript:alert(1)", "mailto:a@b.c", "http://",
          "https://", "www.", "ftp://example.com", " http://example.com",
          "http://example.com\" /c calc", "http://a.com\nb", "httpx://a.com", "wwwexample.com"})
        EXPECT_EQ(WebsiteTarget(text), "") << text;
}

TEST(AboutLinksTest, EmailIsMailtoJoinedDirectly) {
    EXPECT_EQ(EmailTarget("me@example.com"), "mailto:me@example.com");
    EXPECT_EQ(EmailTarget(""), "mailto:");
}

}  // namespace
