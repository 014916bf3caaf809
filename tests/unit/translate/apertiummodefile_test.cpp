#include "filehelpers.h"
#include "translate/apertiummodefile.h"

#include <gtest/gtest.h>

namespace {

QStringList flattened(const QList<ApertiumModeFile::Program> &programs) {
    QStringList words;
    for (const ApertiumModeFile::Program &program : programs)
        words << QStringLiteral("|") << program.program << program.arguments;
    return words;
}

TEST(ApertiumModeFile, ReadsThePipelineAsApertiumApyDoes) {
    // The generator's $1 becomes -n, the tagger's $2 goes, quotes are undone, -z follows
    // each program but the ones that do not know it.
    const QString mode = QStringLiteral(
        "lt-proc '/a b/x.bin' | apertium-tagger -g $2 \"/p/x.prob\" |vislcg3 --grammar g.rlx|"
        " lt-proc $1 /g\\ h.bin 'a|b'");
    EXPECT_EQ(flattened(ApertiumModeFile::parse(mode)),
              (QStringList{"|", "lt-proc", "-z", "/a b/x.bin", "|", "apertium-tagger", "-z", "-g",
                           "/p/x.prob", "|", "vislcg3", "--grammar", "g.rlx", "|", "lt-proc", "-z",
                           "-n", "/g h.bin", "a|b"}));
    EXPECT_TRUE(ApertiumModeFile::parse(QStringLiteral("lt-proc 'x.bin")).isEmpty());
    EXPECT_TRUE(ApertiumModeFile::parse(QStringLiteral("lt-proc x.bin | | cat")).isEmpty());
    EXPECT_TRUE(ApertiumModeFile::parse(QStringLiteral("  \n")).isEmpty());
}

TEST(ApertiumModeFile, ReadsTheInstalledSpanishEnglishMode) {
    const auto programs =
        ApertiumModeFile::read(ApertiumModeFile::installedPath(QStringLiteral("spa-eng")));
    ASSERT_GE(programs.size(), 5);
    EXPECT_EQ(programs.first().program, QStringLiteral("lt-proc"));
    for (const ApertiumModeFile::Program &program : programs) {
        EXPECT_EQ(program.arguments.value(0), QStringLiteral("-z"));
        EXPECT_FALSE(program.arguments.join(QLatin1Char(' ')).contains(QLatin1Char('$')));
    }
}

} // namespace
