#include "info/basSendEMail.h"

#include "forms/runtime.h"
#include "forms/utf8.h"

namespace basSendEMail {

namespace {

bool kept(char32_t ch) {
    return ch >= 0x20 && ch <= 0x7E && ch != U'&' && ch != U'%' && ch != U'#';
}

void appendEscaped(std::string& out, unsigned char byte) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    out.push_back('%');
    out.push_back(kHex[byte >> 4]);
    out.push_back(kHex[byte & 0x0F]);
}

void appendField(std::string& query, const char* key, const std::string& text) {
    if (text.empty()) {
        return;
    }
    query += '&';
    query += key;
    query += '=';
    query += EncodeMailtoText(text);
}

}  // namespace

std::string EncodeMailtoText(const std::string& text) {
    // Decoding first means a malformed sequence goes out as U+FFFD rather than as stray bytes
    // that no mail program could read back.
    const std::u32string characters = forms::utf8ToCodePoints(text);
    std::string out;
    out.reserve(text.size());
    for (char32_t ch : characters) {
        if (kept(ch)) {
            out.push_back(static_cast<char>(ch));
            continue;
        }
        for (char byte : forms::codePointsToUtf8(std::u32string(1, ch))) {
            appendEscaped(out, static_cast<unsigned char>(byte));
        }
    }
    return out;
}

std::string MailtoAddress(const std::string& to, const std::string& cc, const std::string& bcc,
                          const std::string& subject, const std::string& body) {
    std::string query;
    appendField(query, "CC", cc);
    appendField(query, "BCC", bcc);
    appendField(query, "Subject", subject);
    appendField(query, "Body", body);
    if (!query.empty()) {
        query[0] = '?';
    }
    return "mailto:" + to + query;
}

void SendEMail(forms::Forms& forms, forms::Window& composer, std::string to, std::string cc,
               std::string bcc, std::string subject, std::string body) {
    // The desktop opens the address itself; no text goes through a command line.
    forms.openUrl(MailtoAddress(to, cc, bcc, subject, body), composer.hwnd());
}

}  // namespace basSendEMail
