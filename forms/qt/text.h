// The runtime's UTF-8 strings and Qt's strings, both ways.
#pragma once

#include <QString>
#include <string>

namespace forms::qt {

inline QString qs(const std::string& utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

inline std::string utf8(const QString& text) {
    return text.toUtf8().toStdString();
}

}  // namespace forms::qt
