#include "core/amountinwords.h"

#include <gtest/gtest.h>

using penvaro::core::AmountInWords;

TEST(AmountInWords, OneWordPerDigitUpToTheFirstOtherCharacter) {
    struct Case {
        const char *amount;
        const char *words;
    };
    const Case cases[] = {
        {"1250,00", "*eins*zwei*fuenf*null*"},
        {"150", "*eins*fuenf*null*"},
        {"1234567890", "*eins*zwei*drei*vier*fuenf*sechs*sieben*acht*neun*null*"},
        {"1.250,00", "*eins*"},
        {"", "*"},
        {" 75", "*"},
        {"-75", "*"},
        {"75 EUR", "*sieben*fuenf*"},
        {"0,50", "*null*"},
        {"٣", "*"}, // a digit of another script is no decimal digit here
    };
    for (const Case &c : cases)
        EXPECT_EQ(c.words, AmountInWords(c.amount)) << c.amount;
}
