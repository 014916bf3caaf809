// Page translation's figures on a Spanish text (3,000 words unless told): the kept-running
// pipeline, the single `apertium -f html` run of the fallback, a bare `apertium -u -f html
// spa-eng` run over the same HTML, and the worker time of language detection.
// Usage: pagetranslation_bench [runs] [words]
#include "translate/apertiumhtmlbatch.h"
#include "translate/apertiummodefile.h"
#include "translate/apertiumpipeline.h"
#include "translate/languagedetector.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QStringList>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

const char *const Sentences[] = {
    "La ciudad amaneció cubierta de niebla y los vecinos salieron temprano a comprar pan en la "
    "panadería de la esquina.",
    "El alcalde anunció ayer que las obras del nuevo mercado comenzarán en primavera, aunque "
    "muchos comerciantes temen otro retraso.",
    "Según el informe publicado por el ayuntamiento, el presupuesto de este año dedica más "
    "dinero a las escuelas y a los parques.",
    "Los estudiantes de la universidad organizaron una reunión para hablar de los precios del "
    "alquiler, que no dejan de subir.",
    "En el centro histórico, las calles estrechas guardan iglesias antiguas, plazas tranquilas "
    "y pequeños cafés donde se habla de política.",
    "El tren que une la capital con la costa tarda ahora menos de dos horas gracias a la nueva "
    "línea de alta velocidad.",
    "Los médicos del hospital recomiendan caminar todos los días, comer fruta y dormir al menos "
    "siete horas cada noche.",
    "La biblioteca municipal abrirá los domingos a partir del próximo mes y ofrecerá talleres "
    "gratuitos para niños y mayores.",
};

QStringList blocks(int words) {
    QStringList list;
    int count = 0;
    for (int n = 0; count < words; ++n) {
        QString sentence = QString::fromUtf8(Sentences[n % std::size(Sentences)]);
        // An inline element in every block, as links and emphasis are on a page.
        const qsizetype space = sentence.indexOf(QLatin1Char(' '), 10);
        const qsizetype next = sentence.indexOf(QLatin1Char(' '), space + 1);
        sentence = sentence.left(space + 1) + QLatin1String("<x1>") +
                   sentence.mid(space + 1, next - space - 1) + QLatin1String("</x1>") +
                   sentence.mid(next);
        count += int(sentence.split(QLatin1Char(' ')).size());
        list.append(sentence);
    }
    return list;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

struct Timing {
    double first;
    double all;
};

Timing translateAll(BlockTranslator &translator, const QStringList &list) {
    QElapsedTimer clock;
    QEventLoop loop;
    int answered = 0;
    double first = 0;
    auto answer = [&] {
        if (++answered == 1)
            first = double(clock.nsecsElapsed()) / 1e6;
        if (answered == list.size())
            loop.quit();
    };
    QObject::connect(&translator, &BlockTranslator::translated, &loop, answer);
    QObject::connect(&translator, &BlockTranslator::failed, &loop,
                     [&](quint64, const QString &why) {
                         std::fprintf(stderr, "failed: %s\n", qPrintable(why));
                         answer();
                     });
    clock.start();
    for (int n = 0; n < list.size(); ++n)
        translator.translate(quint64(n), list[n]);
    loop.exec();
    return {first, double(clock.nsecsElapsed()) / 1e6};
}

double bareRun(const QString &html) {
    QElapsedTimer clock;
    clock.start();
    QProcess process;
    process.start(QStringLiteral("apertium"), {QStringLiteral("-u"), QStringLiteral("-f"),
                                               QStringLiteral("html"), QStringLiteral("spa-eng")});
    process.write(html.toUtf8());
    process.closeWriteChannel();
    process.waitForFinished(120000);
    return double(clock.nsecsElapsed()) / 1e6;
}

double threadCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 3;
    const QStringList list = blocks(argc > 2 ? std::max(1, atoi(argv[2])) : 3000);
    QString html;
    QString text;
    for (const QString &block : list) {
        html += QLatin1String("<p>") + block + QLatin1String("</p>\n");
        text += QString(block).remove(QLatin1String("<x1>")).remove(QLatin1String("</x1>")) +
                QLatin1Char(' ');
    }
    std::printf("%lld blocks, %lld words\n", qlonglong(list.size()),
                qlonglong(text.split(QLatin1Char(' '), Qt::SkipEmptyParts).size()));

    std::vector<double> pipeFirst, pipeAll, pipeWarm, batchFirst, batchAll, bare, detect;
    for (int run = 0; run < runs; ++run) {
        {
            ApertiumPipeline pipeline(ApertiumModeFile::installedPath(QStringLiteral("spa-eng")),
                                      QStringLiteral("spa-eng"));
            const Timing cold = translateAll(pipeline, list);
            pipeFirst.push_back(cold.first);
            pipeAll.push_back(cold.all);
            // The same pipeline again: a second page in the same tab.
            pipeWarm.push_back(translateAll(pipeline, list).all);
        }
        {
            ApertiumHtmlBatch batch(QStringLiteral("apertium"), QStringLiteral("spa-eng"));
            const Timing timing = translateAll(batch, list);
            batchFirst.push_back(timing.first);
            batchAll.push_back(timing.all);
        }
        bare.push_back(bareRun(html));
        for (int n = 0; n < 10; ++n) {
            const double start = threadCpuMs();
            const QString code = LanguageDetector::detectNow(text, QStringLiteral("es"));
            detect.push_back(threadCpuMs() - start);
            if (code != QLatin1String("es"))
                std::fprintf(stderr, "detected %s\n", qPrintable(code));
        }
    }
    std::printf("median of %d runs, ms:\n", runs);
    std::printf("pipeline (cold start)   first block %7.1f  all %7.1f\n", median(pipeFirst),
                median(pipeAll));
    std::printf("pipeline (running)                          all %7.1f\n", median(pipeWarm));
    std::printf("single html run         first block %7.1f  all %7.1f\n", median(batchFirst),
                median(batchAll));
    std::printf("bare apertium -u -f html                    all %7.1f\n", median(bare));
    std::printf("language detection, worker CPU time        %7.2f\n", median(detect));
    return 0;
}
