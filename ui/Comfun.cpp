#include "Comfun.h"

#include <array>
#include <cstdio>
#include <string>

namespace {

const char* FormatFor(std::uint32_t selector)
{
    static constexpr std::array<const char*, 8> fixed = {"%.0f", "%.1f", "%.2f", "%.3f", "%.4f", "%.5f", "%.6f", "%.7f"};
    return selector < fixed.size() ? fixed[selector] : "%e";
}

}  // namespace

QString FloatToText(std::uint32_t selector, double value)
{
    // "%.7f" of a huge value runs to hundreds of digits: size the buffer from
    // the text's real length instead of a fixed one, so nothing is cut or overrun.
    const char* format = FormatFor(selector);
    const int length = std::snprintf(nullptr, 0, format, value);
    std::string text(static_cast<std::size_t>(length > 0 ? length : 0) + 1, '\0');
    std::snprintf(text.data(), text.size(), format, value);
    text.resize(text.size() - 1);
    if (const auto point = text.find('.'); point != std::string::npos)
        text[point] = ',';
    return QString::fromLatin1(text);
}
