// Build-time tool: draws the picture of every translation language, icons/<code>.ico,
// for the codes of the given language files (the program appends icons/<code>.ico to the
// main window's image list per TranslationLanguageTable row).
//
//   quort_make_language_icons <output folder> <language file>...
//
// Each picture is a rounded badge with the code in capitals, in a colour of its own,
// written at 32 × 32 through Qt's ico image plugin. Exits non-zero, naming the file, when
// a language file cannot be read or a picture cannot be written.
#include "core/languagefile.h"

#include <QColor>
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QTextStream>

namespace {

constexpr int Size = 32;

// Distinct, darkish colours that carry white text.
const QRgb Colours[] = {0x2f6db5, 0xb8412f, 0x2e8b57, 0x8e44ad, 0xc0392b, 0x16808a,
                        0xd35400, 0x34495e, 0x7d5a29, 0x1f7a3f, 0x9b2f6d, 0x3d5bb8};

// Codes as they name a file: trimmed, lower case, nothing that could leave the folder.
QString fileCode(const QString &code) {
    const QString trimmed = code.trimmed().toLower();
    if (trimmed.isEmpty() || trimmed.contains(QLatin1Char('/')) ||
        trimmed.contains(QLatin1Char('\\')) || trimmed.contains(QLatin1String("..")))
        return {};
    return trimmed;
}

QImage badge(const QString &code) {
    uint hash = 0;
    for (const QChar c : code)
        hash = hash * 31 + c.unicode();
    const QColor base(Colours[hash % (sizeof Colours / sizeof *Colours)]);

    QImage image(Size, Size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    const QRectF body(1.5, 4.5, Size - 3, Size - 9);
    QPainterPath shape;
    shape.addRoundedRect(body, 6, 6);
    QLinearGradient fill(body.topLeft(), body.bottomLeft());
    fill.setColorAt(0, base.lighter(135));
    fill.setColorAt(1, base.darker(115));
    painter.fillPath(shape, fill);
    painter.setPen(QPen(base.darker(160), 1));
    painter.drawPath(shape);
    // A soft shine over the upper half.
    QPainterPath shine;
    shine.addRoundedRect(body.adjusted(1.5, 1.5, -1.5, -body.height() / 2), 4.5, 4.5);
    painter.fillPath(shine, QColor(255, 255, 255, 55));

    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(code.size() > 2 ? 10 : 13);
    font.setStyleStrategy(QFont::PreferAntialias);
    painter.setFont(font);
    const QString text = code.toUpper();
    painter.setPen(QColor(0, 0, 0, 90));
    painter.drawText(body.translated(0.8, 0.8), Qt::AlignCenter, text);
    painter.setPen(Qt::white);
    painter.drawText(body, Qt::AlignCenter, text);
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

} // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        err << "usage: quort_make_language_icons <output folder> <language file>...\n";
        return 2;
    }
    if (!QImageWriter::supportedImageFormats().contains("ico")) {
        err << "quort_make_language_icons: Qt's ico image plugin (libqico) is not installed\n";
        return 1;
    }

    QStringList codes;
    for (int i = 2; i < args.size(); ++i) {
        LanguageFile language;
        if (!language.load(args.at(i))) {
            err << "quort_make_language_icons: cannot read " << args.at(i) << '\n';
            return 1;
        }
        for (int row = 0; row <= language.lastTranslationRow(); ++row) {
            const QString code = fileCode(language.translationRow(row).code);
            if (!code.isEmpty() && !codes.contains(code))
                codes.append(code);
        }
    }

    const QString folder = args.at(1);
    if (!QDir().mkpath(folder)) {
        err << "quort_make_language_icons: cannot create " << folder << '\n';
        return 1;
    }
    for (const QString &code : std::as_const(codes)) {
        const QString path = folder + QLatin1Char('/') + code + QStringLiteral(".ico");
        QImageWriter writer(path, "ico");
        if (!writer.write(badge(code))) {
            err << "quort_make_language_icons: cannot write " << path << ": "
                << writer.errorString() << '\n';
            return 1;
        }
    }
    return 0;
}
