#include "wizard/text_lines.h"

#include <gtest/gtest.h>

#include <string>

TEST(StripControlChars, DropsFormAndLineFeedsKeepsEverythingElse) {
    struct Case {
        std::string in, out;
    } cases[] = {
        {"plain text\n", "plain text"},
        {"\f", ""},
        {"\n", ""},
        {"", ""},
        {"a\fb\nc", "abc"},
        {"tab\there\r\n", "tab\there\r"},
        {"lone\rreturn", "lone\rreturn"},
        {"\x1b\x7f\xe9", "\x1b\x7f\xe9"},
    };
    for (const Case& c : cases) {
        std::string buffer = c.in;
        StripControlChars(&buffer[0]);
        EXPECT_EQ(std::string(buffer.c_str()), c.out) << c.in;
    }
}

TEST(StripControlChars, KeepsAtMost99Characters) {
    // Longer than any piece the list reads: what is kept is still bounded.
    std::string line(150, 'x');
    StripControlChars(&line[0]);
    EXPECT_EQ(std::string(line.c_str()), std::string(99, 'x'));

    // Feeds do not count toward the 99.
    std::string fed = "\f\f" + std::string(99, 'y') + "\n";
    StripControlChars(&fed[0]);
    EXPECT_EQ(std::string(fed.c_str()), std::string(99, 'y'));
}
