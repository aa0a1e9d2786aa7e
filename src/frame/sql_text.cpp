#include "frame/sql_text.h"

namespace quenvatrix {

std::string Lines(std::string_view raw) {
    if (!raw.empty() && raw.front() == '\n') raw.remove_prefix(1);
    const auto lastBreak = raw.find_last_of('\n');
    if (lastBreak != std::string_view::npos &&
        raw.find_first_not_of(" \t", lastBreak + 1) == std::string_view::npos) {
        raw = raw.substr(0, lastBreak);
    }
    std::string text;
    text.reserve(raw.size() + raw.size() / 16);
    for (char c : raw) {
        if (c == '\n') text += '\r';
        text += c;
    }
    return text;
}

}  // namespace quenvatrix
