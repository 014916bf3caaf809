#include "browser/enginepageproperties.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

void addRow(QFormLayout *form, const QString &name, const QString &objectName,
            const QString &value) {
    auto *label = new QLabel(value);
    label->setObjectName(objectName);
    label->setAccessibleName(name);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setWordWrap(true);
    form->addRow(name + QLatin1Char(':'), label);
}

} // namespace

EnginePageProperties::EnginePageProperties(const WebView::PropertyTexts &texts, const Facts &facts,
                                           QWidget *parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("pageProperties"));
    setWindowTitle(texts.window);
    auto *form = new QFormLayout;
    addRow(form, texts.title, QStringLiteral("title"), facts.title);
    addRow(form, texts.address, QStringLiteral("address"), facts.address);
    addRow(form, texts.type, QStringLiteral("contentType"), facts.contentType);
    addRow(form, texts.size, QStringLiteral("size"), texts.bytes.arg(facts.bytes));
    addRow(form, texts.encoding, QStringLiteral("encoding"), facts.encoding);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}
