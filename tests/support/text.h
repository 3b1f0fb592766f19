// Expected script text is written out by hand with every blank visible: "·" (a middle dot)
// stands for one blank, and "<CRLF>" for a carriage return and line feed.
#pragma once

#include <string>

namespace testsupport {

inline std::string spaced(std::string text) {
    const std::string dot = "\xC2\xB7";
    for (std::size_t at = text.find(dot); at != std::string::npos; at = text.find(dot, at + 1)) {
        text.replace(at, dot.size(), " ");
    }
    const std::string crlf = "<CRLF>";
    for (std::size_t at = text.find(crlf); at != std::string::npos; at = text.find(crlf, at + 2)) {
        text.replace(at, crlf.size(), "\r\n");
    }
    return text;
}

}  // namespace testsupport
