// The e-mail composer's mailto: address, on the in-memory backend.
#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>

#include "forms/utf8.h"
#include "info/basSendEMail.h"
#include "support/memory_app.h"
#include "support/text.h"

namespace {

using basSendEMail::EncodeMailtoText;
using basSendEMail::MailtoAddress;
using testsupport::MemoryApp;
using testsupport::spaced;

class Composer : public ::testing::Test {
protected:
    void SetUp() override {
        app.forms.Show("frmgtapick");
        app.click("frmgtapick", "mnuemail");
    }
    MemoryApp app;
};

TEST_F(Composer, SendsTheLayoutsFieldsOnBehalfOfTheComposer) {
    const std::string expected = spaced(
        "mailto:vorlak@example.com?Subject=Quarnix&Body=Enter·your·E-Mail·message·here."
        "·Remember·I·will·not·%0D%0Agive·you·permission·to·edit·the·tool·so·don't·even·%0D%0A"
        "ask.·If·you·are·reporting·a·site·hosting·this·tool·%0D%0Awithout·my·permission·then·"
        "please·check·the·Web·%0D%0ASites·listed·in·the·latest·version·before·reporting·to·me."
        "%0D%0A");
    app.click("frmsendemail", "cmdSend");
    ASSERT_EQ(app.backend.openedUrls().size(), 1u);
    EXPECT_EQ(app.backend.openedUrls()[0], expected);
    EXPECT_EQ(app.backend.openUrlOwners()[0], app.forms["frmsendemail"].hwnd());
}

TEST_F(Composer, AFailedHandOffLeavesEverythingAsItWas) {
    app.backend.setOpenUrlSucceeds(false);
    app.type("frmsendemail", "txtCc", "someone@example.org");
    app.click("frmsendemail", "cmdSend");
    EXPECT_EQ(app.backend.openedUrls().size(), 1u);
    EXPECT_TRUE(app.forms.isVisible("frmsendemail"));
    EXPECT_EQ(app.text("frmsendemail", "txtCc"), "someone@example.org");
    EXPECT_FALSE(app.forms["frmgtapick"].Enabled("cmdgta3"));
    EXPECT_FALSE(app.forms.ended());
}

TEST(MailtoAddress, OnlyNonEmptyFieldsInOrderWithTheFirstJoinedByAQuestionMark) {
    EXPECT_EQ(MailtoAddress("a@b.c", "", "", "", "hi"), "mailto:a@b.c?Body=hi");
    EXPECT_EQ(MailtoAddress("a@b.c", "", "", "", ""), "mailto:a@b.c");
    EXPECT_EQ(MailtoAddress("", "", "", "Quarnix", ""), "mailto:?Subject=Quarnix");
    EXPECT_EQ(MailtoAddress(" a&b ", "c", "d", "e", "f"),
              "mailto: a&b ?CC=c&BCC=d&Subject=e&Body=f");
    EXPECT_EQ(MailtoAddress("a@b.c", "a&b", "", "", ""), "mailto:a@b.c?CC=a%26b");
    EXPECT_EQ(MailtoAddress("a@b.c", "   ", "", "", ""), spaced("mailto:a@b.c?CC=···"));
}

TEST(EncodeMailtoText, KeepsPrintableAsciiAndEscapesTheRestAsUtf8) {
    EXPECT_EQ(EncodeMailtoText(""), "");
    EXPECT_EQ(EncodeMailtoText("Az09 .-'?=+/~!$()*,;:@[]^_`{|}\"<>\\"),
              "Az09 .-'?=+/~!$()*,;:@[]^_`{|}\"<>\\");
    EXPECT_EQ(EncodeMailtoText("\t\r\n\x7F&\x01"), "%09%0D%0A%7F%26%01");
    // A literal percent sign or hash must not be read as an escape or as the address's end.
    EXPECT_EQ(EncodeMailtoText("100%41 #2"), "100%2541 %232");
    EXPECT_EQ(EncodeMailtoText("caf\xC3\xA9"), "caf%C3%A9");
    EXPECT_EQ(EncodeMailtoText("\xE2\x82\xAC\xF0\x9F\x98\x80"), "%E2%82%AC%F0%9F%98%80");
    EXPECT_EQ(EncodeMailtoText("\xFF"), "%EF%BF%BD") << "a stray byte goes out as U+FFFD";
}

int hexValue(char c) {
    return c <= '9' ? c - '0' : c - 'A' + 10;  // the address uses upper-case digits only
}

std::string percentDecode(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%') {
            out.push_back(static_cast<char>(hexValue(text[i + 1]) * 16 + hexValue(text[i + 2])));
            i += 2;
        } else {
            out.push_back(text[i]);
        }
    }
    return out;
}

// Splits an address back into its To text and its fields, as a mail program reads it.
std::map<std::string, std::string> readAddress(std::string address) {
    address = address.substr(0, address.find('#'));  // a URL ends at its fragment
    std::map<std::string, std::string> fields;
    const std::size_t query = address.find('?');
    fields["To"] = address.substr(7, query == std::string::npos ? std::string::npos : query - 7);
    for (std::size_t at = query; at != std::string::npos;) {
        const std::size_t end = address.find('&', at + 1);
        const std::string part = address.substr(at + 1, end - at - 1);
        const std::size_t equals = part.find('=');
        fields[part.substr(0, equals)] = percentDecode(part.substr(equals + 1));
        at = end;
    }
    return fields;
}

TEST(MailtoAddress, AMailProgramReadsBackEveryFieldExactly) {
    std::mt19937 random(20240607);
    const std::u32string awkward = U"&#%?=+ \t\r\n\x01\x7F\x80\xA0\xE9\u20AC\U0001F600";
    auto text = [&](std::size_t length) {
        std::u32string t;
        for (std::size_t i = 0; i < length; ++i) {
            char32_t ch = 0;
            switch (random() % 3) {
                case 0:
                    ch = awkward[random() % awkward.size()];
                    break;
                case 1:
                    ch = static_cast<char32_t>(0x20 + random() % 0x5F);
                    break;
                default:
                    do {  // any Unicode scalar value
                        ch = static_cast<char32_t>(random() % 0x110000);
                    } while (ch >= 0xD800 && ch <= 0xDFFF);
            }
            t.push_back(ch);
        }
        return forms::codePointsToUtf8(t);
    };
    for (int round = 0; round < 50; ++round) {
        std::map<std::string, std::string> sent = {
            {"To", "vorlak@example.com"},
            {"CC", text(random() % 4)},
            {"BCC", text(random() % 30)},
            {"Subject", text(random() % 80)},
            {"Body", text(round == 0 ? 40000 : random() % 500)},
        };
        std::map<std::string, std::string> read = readAddress(
            MailtoAddress(sent["To"], sent["CC"], sent["BCC"], sent["Subject"], sent["Body"]));
        for (const auto& [key, value] : sent) {
            EXPECT_EQ(read[key], value) << key << " in round " << round;
        }
    }
}

}  // namespace
