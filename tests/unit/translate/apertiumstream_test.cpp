#include "filehelpers.h"
#include "translate/apertiumstream.h"

#include <gtest/gtest.h>

namespace {

struct StreamCase {
    const char *what;
    const char *fragment;
    const char *stream;
};

// Each a fault the stream would carry into Apertium: a reserved character left bare splits
// or swallows words, an entity left encoded is translated as letters, a placeholder that is
// not a superblank is taken for text.
const StreamCase WrittenCases[] = {
    {"placeholders", "Hola <x1>mundo</x1>.", "Hola [<x1>]mundo[<\\/x1>]."},
    {"nested and empty placeholders", "<x1>a <x2>b</x2><x3/></x1>",
     "[<x1>]a [<x2>]b[<\\/x2>][<x3\\/>][<\\/x1>]"},
    {"entities decoded", "Tom &amp; Jerry &lt;3 &quot;x&quot; &#233;&#xE9;",
     "Tom & Jerry \\<3 \"x\" \xc3\xa9\xc3\xa9"},
    {"reserved characters", "a[1] {b} ^c$ @d e/f \\g", "a\\[1\\] \\{b\\} \\^c\\$ \\@d e\\/f \\\\g"},
    {"format characters", "a~b\nc\td", "a[~]b[\n]c[\t]d"},
    {"not a placeholder", "&lt;b&gt; <x1 class=a> <y1> </x1/> & &bogus;",
     "\\<b\\> \\<x1 class=a\\> \\<y1\\> \\<\\/x1\\/\\> & &bogus;"},
    {"empty block", "", ""},
    {"an entity for NUL", "a&#0;b", "a&#0;b"},
    {"nine digits at most, astral characters whole", "<x123456789/> <x1234567890> &#x1F600;&x;",
     "[<x123456789\\/>] \\<x1234567890\\> \xf0\x9f\x98\x80&x;"},
};

TEST(ApertiumStream, WritesAndReadsBack) {
    for (const StreamCase &c : WrittenCases) {
        SCOPED_TRACE(c.what);
        const QString stream = ApertiumStream::fromFragment(QString::fromUtf8(c.fragment));
        EXPECT_EQ(stream, QString::fromUtf8(c.stream));
        const QString back = ApertiumStream::toFragment(stream);
        // What comes back is the same block, in the one escaped form, and stays so.
        EXPECT_EQ(ApertiumStream::toFragment(ApertiumStream::fromFragment(back)), back);
    }
    EXPECT_EQ(ApertiumStream::toFragment(ApertiumStream::fromFragment(
                  QStringLiteral("Tom &amp; Jerry &#233; <x1>a</x1> a/b"))),
              QStringLiteral("Tom &amp; Jerry \u00e9 <x1>a</x1> a/b"));
}

struct ReadCase {
    const char *what;
    const char *stream;
    const char *fragment;
};

// What a pipeline gives back that the writer never wrote.
const ReadCase ReadCases[] = {
    {"moved placeholders", "The [<x1>]black[<\\/x1>] dog", "The <x1>black</x1> dog"},
    {"spaces inside a superblank", "Hello[ <x1>]world[<\\/x1> ].[]", "Hello <x1>world</x1> ."},
    {"two tags in one superblank", "[<x1><x2\\/>]", "<x1><x2/>"},
    {"format in a superblank", "a[ &amp; ]b", "a &amp;amp; b"},
    {"word-bound blank", "[[t:b:123]]word[[\\/]]", "word"},
    {"lexical unit", "^casa/house<n>$ y ^perro$", "casa y perro"},
    {"marks", "@casa *perro #gato", "casa *perro #gato"},
    {"unclosed", "a [<x1> \\", "a <x1> "},
    {"stray closers", "a ] b $ c", "a  b  c"},
};

TEST(ApertiumStream, ReadsWhatThePipelineMayGive) {
    for (const ReadCase &c : ReadCases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(ApertiumStream::toFragment(QString::fromUtf8(c.stream)),
                  QString::fromUtf8(c.fragment));
    }
}

} // namespace
