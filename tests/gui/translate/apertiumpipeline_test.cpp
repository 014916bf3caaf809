// The kept-running pipeline of the real spa-eng pair (apertium-eng-spa installed): blocks in
// order with their placeholders, blocks dropped by cancelAll(), a chain whose program
// dies, and one whose pipeline goes in the middle of a page.
#include "filehelpers.h"
#include "translate/apertiummodefile.h"
#include "translate/apertiumpipeline.h"
#include "waituntil.h"

#include <QList>
#include <QPair>
#include <csignal>
#include <gtest/gtest.h>
#include <memory>

namespace {

constexpr int TimeLimitMs = 30000;

struct Answers {
    explicit Answers(ApertiumPipeline &pipeline) {
        QObject::connect(&pipeline, &BlockTranslator::translated, &pipeline,
                         [this](quint64 id, const QString &text) {
                             translated.append({id, text});
                         });
        QObject::connect(&pipeline, &BlockTranslator::failed, &pipeline,
                         [this](quint64 id, const QString &why) {
                             failed.append({id, why});
                         });
    }
    int count() const { return int(translated.size() + failed.size()); }

    QList<QPair<quint64, QString>> translated;
    QList<QPair<quint64, QString>> failed;
};

ApertiumPipeline spaEng() {
    return {ApertiumModeFile::installedPath(QStringLiteral("spa-eng")), QStringLiteral("spa-eng")};
}

TEST(ApertiumPipeline, TranslatesBlocksInOrderKeepingPlaceholders) {
    ApertiumPipeline pipeline = spaEng();
    Answers answers(pipeline);
    const QStringList blocks = {
        QStringLiteral("Hola <x1>mundo</x1>."),
        QStringLiteral("Tom &amp; Jerry tienen una casa &lt;grande&gt;."),
        QStringLiteral("El precio [hoy] es 5 @ 3 euros."),
        QString(),
        QStringLiteral("<x1>El <x2>perro</x2> negro</x1> come<x3/>."),
    };
    for (int n = 0; n < blocks.size(); ++n)
        pipeline.translate(100 + n, blocks[n]);
    ASSERT_TRUE(waitUntil([&] { return answers.count() == blocks.size(); }, TimeLimitMs));
    ASSERT_TRUE(answers.failed.isEmpty()) << answers.failed.first().second.toStdString();

    QList<quint64> ids;
    for (const auto &answer : answers.translated)
        ids.append(answer.first);
    EXPECT_EQ(ids, (QList<quint64>{100, 101, 102, 103, 104}));
    EXPECT_EQ(answers.translated[0].second, QStringLiteral("Hello <x1>World</x1>."));
    const QString house = answers.translated[1].second;
    EXPECT_TRUE(house.startsWith(QStringLiteral("Tom &amp; Jerry have a "))) << house.toStdString();
    EXPECT_TRUE(house.contains(QStringLiteral("&lt;")) && house.contains(QStringLiteral("&gt;")));
    EXPECT_TRUE(answers.translated[2].second.contains(QStringLiteral("[")));
    EXPECT_TRUE(answers.translated[2].second.contains(QStringLiteral("@ 3")));
    EXPECT_TRUE(answers.translated[2].second.contains(QStringLiteral("price")));
    EXPECT_EQ(answers.translated[3].second, QString());
    const QString dog = answers.translated[4].second;
    for (const char *tag : {"<x1>", "</x1>", "<x2>", "</x2>", "<x3/>"})
        EXPECT_TRUE(dog.contains(QLatin1String(tag))) << dog.toStdString();
    EXPECT_TRUE(dog.contains(QStringLiteral("dog"))) << dog.toStdString();
}

TEST(ApertiumPipeline, DropsCancelledBlocks) {
    ApertiumPipeline pipeline = spaEng();
    Answers answers(pipeline);
    pipeline.translate(1, QStringLiteral("Una casa."));
    pipeline.translate(2, QStringLiteral("Un perro."));
    pipeline.cancelAll();
    pipeline.translate(3, QStringLiteral("Un gato."));
    ASSERT_TRUE(waitUntil([&] { return answers.count() == 1; }, TimeLimitMs));
    ASSERT_EQ(answers.translated.size(), 1);
    EXPECT_EQ(answers.translated[0].first, 3u);
    EXPECT_EQ(answers.translated[0].second, QStringLiteral("A cat."));
}

TEST(ApertiumPipeline, ReportsADeadProgramAndStartsAgain) {
    ApertiumPipeline pipeline = spaEng();
    Answers answers(pipeline);
    pipeline.translate(1, QStringLiteral("Una casa."));
    ASSERT_TRUE(waitUntil([&] { return answers.count() == 1; }, TimeLimitMs));
    const QList<qint64> processes = pipeline.processIds();
    ASSERT_GE(processes.size(), 3);

    // Stopped, the tagger holds the blocks; killed, it takes the chain down with it.
    ::kill(pid_t(processes[1]), SIGSTOP);
    pipeline.translate(2, QStringLiteral("Un perro."));
    pipeline.translate(3, QStringLiteral("Un gato."));
    ::kill(pid_t(processes[1]), SIGKILL);
    ASSERT_TRUE(waitUntil([&] { return answers.failed.size() == 2; }, TimeLimitMs));
    EXPECT_EQ(answers.failed[0].first, 2u);
    EXPECT_EQ(answers.failed[1].first, 3u);
    // The tagger or the program after it, whichever is seen to end first.
    EXPECT_TRUE(answers.failed[0].second.contains(QStringLiteral("spa-eng: apertium-")))
        << answers.failed[0].second.toStdString();
    EXPECT_FALSE(pipeline.running());

    pipeline.translate(4, QStringLiteral("Un gato."));
    ASSERT_TRUE(waitUntil([&] { return answers.translated.size() == 2; }, TimeLimitMs));
    EXPECT_EQ(answers.translated[1].first, 4u);
    EXPECT_EQ(answers.translated[1].second, QStringLiteral("A cat."));
}

// The tab closed in the middle of a page: the chain's processes are gone, reaped (a zombie
// still answers kill 0), by the time the pipeline is.
TEST(ApertiumPipeline, EndsAndReapsItsChainWhenDestroyedMidPage) {
    auto pipeline = std::make_unique<ApertiumPipeline>(
        ApertiumModeFile::installedPath(QStringLiteral("spa-eng")), QStringLiteral("spa-eng"));
    Answers answers(*pipeline);
    pipeline->translate(1, QStringLiteral("Una casa."));
    ASSERT_TRUE(waitUntil([&] { return answers.count() == 1; }, TimeLimitMs));
    const QList<qint64> processes = pipeline->processIds();
    ASSERT_GE(processes.size(), 3);
    for (int n = 2; n < 200; ++n)
        pipeline->translate(n, QStringLiteral("El perro come la manzana roja en el jardín."));
    ASSERT_TRUE(waitUntil([&] { return answers.count() > 2; }, TimeLimitMs));
    pipeline.reset();
    for (const qint64 pid : processes)
        EXPECT_EQ(::kill(pid_t(pid), 0), -1) << pid;
}

TEST(ApertiumPipeline, ReportsAMissingModeFile) {
    ApertiumPipeline pipeline(QStringLiteral("/nonexistent/xxx-yyy.mode"),
                              QStringLiteral("xxx-yyy"));
    Answers answers(pipeline);
    pipeline.translate(7, QStringLiteral("Hola."));
    ASSERT_TRUE(waitUntil([&] { return answers.count() == 1; }, TimeLimitMs));
    ASSERT_EQ(answers.failed.size(), 1);
    EXPECT_EQ(answers.failed[0].first, 7u);
}

} // namespace
