#pragma once

#include <QString>

// Apertium's stream format for one block of a page, written and read by the program, so
// that each block can go through a pair's programs with no deformatter of Apertium's.
//
// Written: HTML entities decoded, Apertium's reserved characters \ [ ] { } ^ $ @ / < >
// escaped with a backslash as apertium-destxt escapes them, every placeholder tag of the
// fragment (<x1>, </x1>, <x2/>) a superblank ([<x1>], [<\/x1>], [<x2\/>]), and the
// characters Apertium would take for format (~, line ends, tabs) superblanks too. NUL, which
// ends a block in a null-flush pipeline, never appears in what is written.
//
// Read: superblanks back to placeholders and text, escapes undone, the text HTML-escaped
// again. What a pipeline may add or a damaged stream may hold (word-bound blanks
// [[...]], lexical units ^...$, the @ of a word it could not transfer, a lone backslash)
// is read without fault; what the reader gives is always a well-formed fragment.
class ApertiumStream {
public:
    static QString fromFragment(const QString &fragment);
    static QString toFragment(const QString &stream);
};
