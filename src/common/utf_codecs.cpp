// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/utf_codecs.h"

#include <array>

namespace vorlak {

CodePoint DecodeUtf8(std::string_view text, std::size_t at) {
    struct Form {
        unsigned char mask, lead;
        std::size_t length;
        char32_t minimum;
    };
    static constexpr std::array<Form, 4> kForms{{
        {0x80, 0x00, 1, 0},
        {0xE0, 0xC0, 2, 0x80},
        {0xF0, 0xE0, 3, 0x800},
        {0xF8, 0xF0, 4, 0x10000},
    }};
    const auto first = static_cast<unsigned char>(text[at]);
    for (const Form& form : kForms) {
        if ((first & form.mask) != form.lead)
            continue;
        if (text.size() - at < form.length)
            break;
        char32_t value = first & static_cast<unsigned char>(~form.mask);
        for (std::size_t i = 1; i < form.length; ++i) {
            const auto next = static_cast<unsigned char>(text[at + i]);
            if ((next & 0xC0) != 0x80)
                return {first, 1, false};
            value = (value << 6) | (next & 0x3F);
        }
        if (value < form.minimum || value > 0x10FFFF)
            break;
        return {value, form.length, true};
    }
    return {first, 1, false};
}

void AppendUtf8(std::string& out, char32_t value) {
    if (value < 0x80) {
        out += static_cast<char>(value);
    } else if (value < 0x800) {
        out += static_cast<char>(0xC0 | (value >> 6));
        out += static_cast<char>(0x80 | (value & 0x3F));
    } else if (value < 0x10000) {
        out += static_cast<char>(0xE0 | (value >> 12));
        out += static_cast<char>(0x80 | ((value >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (value & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (value >> 18));
        out += static_cast<char>(0x80 | ((value >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((value >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (value & 0x3F));
    }
}

std::string_view CutUtf8(std::string_view text, std::size_t maxChars) {
    std::size_t at = 0;
    for (std::size_t chars = 0; at < text.size() && chars < maxChars; ++chars) {
        at += DecodeUtf8(text, at).length;
    }
    return text.substr(0, at);
}

std::string Utf16LeToUtf8(std::string_view bytes, std::string& rest) {
    auto unit = [&](std::size_t i) {
        return static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                     (static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
    };
    const std::size_t units = bytes.size() / 2;
    rest = bytes.substr(2 * units);
    std::string text;
    text.reserve(bytes.size());
    for (std::size_t i = 0; i < units; ++i) {
        char32_t value = unit(i);
        if (value >= 0xD800 && value < 0xDC00 && i + 1 < units && unit(i + 1) >= 0xDC00 &&
            unit(i + 1) < 0xE000) {
            value = 0x10000 + ((value - 0xD800) << 10) + (unit(++i) - 0xDC00);
        }
        AppendUtf8(text, value);
    }
    return text;
}

std::string Utf8ToUtf16Le(std::string_view text) {
    std::string bytes;
    bytes.reserve(text.size() * 2);
    auto put = [&](char32_t unit) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    };
    for (std::size_t at = 0; at < text.size();) {
        const CodePoint point = DecodeUtf8(text, at);
        at += point.length;
        const char32_t value = point.valid ? point.value : 0xFFFD;
        if (value < 0x10000) {
            put(value);
        } else {
            put(0xD800 + ((value - 0x10000) >> 10));
            put(0xDC00 + ((value - 0x10000) & 0x3FF));
        }
    }
    return bytes;
}

}  // namespace vorlak
