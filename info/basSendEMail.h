// Builds the mailto: address of a message to the author and hands it to the desktop, which
// opens the user's mail program with the fields filled in. Nothing is sent from here.
#pragma once

#include <string>

namespace forms {
class Forms;
class Window;
}  // namespace forms

namespace basSendEMail {

// "mailto:", the To text as it stands, then "?" and the non-empty fields among CC, BCC,
// Subject and Body, in that order, joined by "&", each as its key, "=" and its escaped text.
std::string MailtoAddress(const std::string& to, const std::string& cc, const std::string& bcc,
                          const std::string& subject, const std::string& body);

// Hands the address to the desktop on behalf of the composer window. Whether a mail program
// took it is not looked at: a failed hand-off leaves everything as it was.
void SendEMail(forms::Forms& forms, forms::Window& composer, std::string to, std::string cc,
               std::string bcc, std::string subject, std::string body);

// Escapes a UTF-8 text for the address's query: printable ASCII is kept, except "&", "%" and
// "#", which would end a field, start an escape or end the address; every other character is
// written as the percent-escaped bytes of its UTF-8 form, with upper-case hex digits.
std::string EncodeMailtoText(const std::string& text);

}  // namespace basSendEMail
