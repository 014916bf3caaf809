#pragma once

// Caption numbers of the language files that the translation window shows.
namespace TranslationCaptions {
constexpr int WindowTitle = 223;
constexpr int ServiceUnreachable = 224;
constexpr int SelectionShortened = 191;
} // namespace TranslationCaptions
