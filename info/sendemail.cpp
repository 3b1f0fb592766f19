// The e-mail composer: the user writes a message to the author here and hands it to the mail
// program. Recipient and subject are fixed; CC, BCC and the body are the user's.
#include <string>
#include <utility>

#include "forms/layout.h"
#include "forms/runtime.h"
#include "info/basSendEMail.h"
#include "info/info.h"
#include "shell/navigation.h"

namespace info {

namespace {

constexpr const char* kComposer = "frmsendemail";

using forms::kBoxHeight, forms::kMargin, forms::kTextLine;

constexpr int kWidth = 4710;
constexpr int kLabelWidth = 585;
constexpr int kBoxX = kMargin + kLabelWidth + forms::kLabelToBox;
constexpr int kBoxWidth = kWidth - kMargin - kBoxX;
constexpr int kRowPitch = 360;
constexpr int kBodyTop = kMargin + 4 * kRowPitch;
constexpr int kBodyHeight = 2280;  // about eight single-line boxes
constexpr int kButtonTop = kBodyTop + kBodyHeight + forms::kSpacing;
constexpr int kButtonWidth = 1440;
constexpr int kButtonGap = (kWidth - 2 * kMargin - 3 * kButtonWidth) / 2;
constexpr int kButtonHeight = 465;  // "Launch E-Mail Application" takes two lines

forms::Rect row(int index) {
    return {kBoxX, kMargin + index * kRowPitch, kBoxWidth, kBoxHeight};
}

forms::ControlDecl field(std::string name, int index, std::string text, bool readOnly) {
    forms::ControlDecl box = forms::textBox(std::move(name), row(index));
    box.caption = std::move(text);
    box.readOnly = readOnly;
    return box;
}

// The five labels are one control array, all named Label1; nothing refers to them.
forms::ControlDecl caption(const char* text, int top) {
    return forms::label("Label1", text, {kMargin, top + forms::kLabelDrop, kLabelWidth, kTextLine});
}

forms::Rect buttonAt(int column) {
    return {kMargin + column * (kButtonWidth + kButtonGap), kButtonTop, kButtonWidth,
            kButtonHeight};
}

void cmdSend_Click(forms::Forms& forms) {
    forms::Window& composer = forms[kComposer];
    std::string to = composer.Text("txtTo");
    std::string cc = composer.Text("txtCc");
    std::string bcc = composer.Text("txtBcc");
    std::string subject = composer.Text("txtSubject");
    std::string body = composer.Text("txtBody");
    basSendEMail::SendEMail(forms, composer, std::move(to), std::move(cc), std::move(bcc),
                            std::move(subject), std::move(body));
}

}  // namespace

void defineSendEmail(forms::Forms& forms) {
    forms::WindowDef def;
    auto& l = def.layout;
    l.name = kComposer;
    l.caption = "Quarnix | E-Mail Author";
    l.width = kWidth;
    l.height = 4590;

    forms::ControlDecl body = forms::textBox("txtBody", {kBoxX, kBodyTop, kBoxWidth, kBodyHeight});
    body.multiLine = true;
    body.caption =
        "Enter your E-Mail message here. Remember I will not \r\n"
        "give you permission to edit the tool so don't even \r\n"
        "ask. If you are reporting a site hosting this tool \r\n"
        "without my permission then please check the Web \r\n"
        "Sites listed in the latest version before reporting to me.\r\n";

    // Declaration order is the focus order; the buttons stand left to right Send, Close, Exit
    // while Exit comes before Close in the focus order.
    l.controls = {
        field("txtTo", 0, "vorlak@example.com", true),
        field("txtCc", 1, "", false),
        field("txtBcc", 2, "", false),
        field("txtSubject", 3, "Quarnix", true),
        body,
        forms::button("cmdSend", "Launch E-Mail Application", buttonAt(0)),
        forms::button("cmdexit", "Exit", buttonAt(2)),
        forms::button("cmdclosewindow", "Close This Window", buttonAt(1)),
        caption("To", row(0).y),
        caption("Subject", row(3).y),
        caption("Body", kBodyTop),
        caption("CC", row(1).y),
        caption("BCC", row(2).y),
    };

    def.clicks["cmdSend"] = cmdSend_Click;
    def.clicks["cmdclosewindow"] = shell::closeDialog("frmgtapick", kComposer);
    def.clicks["cmdexit"] = shell::exitThroughConfirmation(kComposer);
    forms.define(std::move(def));
}

}  // namespace info
