#include "forms/qt/control_builders.h"

#include <QGroupBox>
#include <QLabel>

#include "forms/qt/line_box.h"
#include "forms/qt/list_box.h"
#include "forms/qt/multi_line_box.h"
#include "forms/qt/pictures.h"
#include "forms/qt/text.h"
#include "forms/qt/wrap_button.h"

namespace forms::qt {

namespace {

QWidget* buildButton(const ControlDecl& decl, QWidget* parent,
                     const std::function<void()>& clicked) {
    auto* b = new WrapButton(parent);
    if (decl.kind == Kind::Button) {
        b->setText(qs(decl.caption));
    } else {
        b->setIcon(pictureIcon(decl.picture));
        b->setIconSize(picture(decl.picture, 1.0).size());
    }
    b->setAutoDefault(false);
    QObject::connect(b, &QPushButton::clicked, b, clicked);
    return b;
}

QWidget* buildLabel(const ControlDecl& decl, QWidget* parent) {
    auto* l = new QLabel(parent);
    l->setTextFormat(Qt::PlainText);
    l->setWordWrap(true);
    l->setText(qs(decl.caption));
    l->setAlignment((decl.align == Align::Center ? Qt::AlignHCenter : Qt::AlignLeft) |
                    Qt::AlignTop);
    return l;
}

QWidget* buildTextBox(const ControlDecl& decl, QWidget* parent) {
    if (decl.multiLine) {
        auto* box = new MultiLineBox(parent);
        box->setCrlfText(qs(decl.caption));
        box->setReadOnly(decl.readOnly);
        return box;
    }
    auto* line = new LineBox(parent, decl.maxLength);
    line->setText(qs(decl.caption));
    line->setReadOnly(decl.readOnly);
    line->setCursorPosition(0);
    return line;
}

QWidget* buildListBox(const ControlDecl& decl, QWidget* parent) {
    auto* list = new ListBox(parent);
    for (const auto& item : decl.items) {
        list->addItem(qs(item));
    }
    return list;
}

QWidget* buildImage(const ControlDecl& decl, QWidget* parent) {
    auto* image = new QLabel(parent);
    image->setPixmap(picture(decl.picture, image->devicePixelRatio()));
    image->setScaledContents(true);
    return image;
}

}  // namespace

QWidget* buildControl(const ControlDecl& decl, QWidget* parent,
                      const std::function<void()>& clicked) {
    switch (decl.kind) {
        case Kind::Button:
        case Kind::PictureButton:
            return buildButton(decl, parent, clicked);
        case Kind::Label:
            return buildLabel(decl, parent);
        case Kind::TextBox:
            return buildTextBox(decl, parent);
        case Kind::ListBox:
            return buildListBox(decl, parent);
        case Kind::Frame:
            return new QGroupBox(qs(decl.caption), parent);
        case Kind::Image:
            return buildImage(decl, parent);
    }
    return nullptr;
}

}  // namespace forms::qt
