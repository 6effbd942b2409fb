#include "core/cp1252.h"

#include <gtest/gtest.h>

using namespace penvaro::core;

TEST(Cp1252, ConvertsBothWays) {
    struct Case {
        const char *name;
        std::string cp1252;
        std::string utf8;
    };
    const Case cases[] = {
        {"ascii", "Miete 2011", "Miete 2011"},
        {"umlauts", "\xC4\xD6\xDC\xE4\xF6\xFC\xDF", "ÄÖÜäöüß"},
        {"euro and quotes", "\x80 \x84x\x93", "€ „x“"},
        {"undefined byte keeps its value", "\x81", "\xC2\x81"},
        {"empty", "", ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.utf8, Cp1252ToUtf8(c.cp1252));
        EXPECT_EQ(c.cp1252, Utf8ToCp1252(c.utf8));
    }
}

TEST(Cp1252, WhatCannotBeHeldBecomesAQuestionMark) {
    EXPECT_EQ("a?b", Utf8ToCp1252("a😀b"));
    EXPECT_EQ("?", Utf8ToCp1252("Ω"));
    EXPECT_EQ("?x", Utf8ToCp1252("\xC3x"));       // truncated sequence
    EXPECT_EQ("?", Utf8ToCp1252("\xC0\xAF"));     // overlong form of "/"
    EXPECT_EQ("?", Utf8ToCp1252("\xED\xA0\x80")); // surrogate
}
