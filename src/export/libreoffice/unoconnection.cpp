#include "unoconnection.h"

#include "unosheets.h"
#include "unoslides.h"
#include "unotext.h"

#include <com/sun/star/beans/PropertyValue.hpp>
#include <com/sun/star/bridge/UnoUrlResolver.hpp>
#include <com/sun/star/frame/Desktop.hpp>
#include <com/sun/star/frame/XLoadable.hpp>
#include <com/sun/star/frame/XStorable.hpp>
#include <com/sun/star/lang/IllegalArgumentException.hpp>
#include <com/sun/star/lang/XMultiComponentFactory.hpp>
#include <com/sun/star/lang/XServiceInfo.hpp>
#include <com/sun/star/util/XCloseable.hpp>
#include <cppuhelper/bootstrap.hxx>
#include <exception>
#include <rtl/bootstrap.hxx>

using namespace css;
using rtl::OUString;

namespace {

OUString toUno(const QString &text) {
    return OUString(reinterpret_cast<const sal_Unicode *>(text.utf16()),
                    static_cast<sal_Int32>(text.size()));
}

QString fromUno(const OUString &text) {
    return QString::fromUtf16(reinterpret_cast<const char16_t *>(text.getStr()), text.getLength());
}

beans::PropertyValue property(const char *name, const uno::Any &value) {
    beans::PropertyValue result;
    result.Name = OUString::createFromAscii(name);
    result.Value = value;
    return result;
}

// The local side of the bridge, set up once: the office's type libraries come through its
// fundamental bootstrap file, as they do for the office itself.
uno::Reference<uno::XComponentContext> localContext() {
    static const uno::Reference<uno::XComponentContext> context = [] {
        rtl::Bootstrap::set("URE_BOOTSTRAP",
                            "vnd.sun.star.pathname:" QUORT_URE_FOLDER "/fundamentalrc");
        return cppu::defaultBootstrap_InitialComponentContext();
    }();
    return context;
}

// Runs an office call; an exception becomes detail and the fallback answer.
template <typename T, typename Call> T guarded(QString *detail, T fallback, Call call) {
    try {
        return call();
    } catch (const uno::Exception &e) {
        *detail = fromUno(e.Message);
        if (detail->isEmpty())
            *detail = QStringLiteral("the office gave no reason");
    } catch (const std::exception &e) {
        *detail = QString::fromLocal8Bit(e.what());
    } catch (...) {
        *detail = QStringLiteral("unknown failure");
    }
    return fallback;
}

} // namespace

UnoConnection::~UnoConnection() {
    // The office may be gone already; what is left of the bridge goes with the references.
    try {
        m_documents.clear();
        m_office.clear();
    } catch (...) {
    }
}

bool UnoConnection::connect(const QString &pipeName, QString *detail) {
    return guarded(detail, false, [&] {
        const auto resolver = bridge::UnoUrlResolver::create(localContext());
        const QString address =
            QStringLiteral("uno:pipe,name=%1;urp;StarOffice.ComponentContext").arg(pipeName);
        m_office.set(resolver->resolve(toUno(address)), uno::UNO_QUERY_THROW);
        return true;
    });
}

void UnoConnection::terminateOffice() {
    QString ignored;
    guarded(&ignored, false, [&] {
        m_documents.clear();
        if (m_office.is())
            frame::Desktop::create(m_office)->terminate();
        return true;
    });
}

UnoConnection::Component UnoConnection::load(const QString &url, bool asTemplate,
                                             const QString &filterName) {
    uno::Sequence<beans::PropertyValue> properties(filterName.isEmpty() ? 2 : 3);
    auto *values = properties.getArray();
    values[0] = property("Hidden", uno::Any(true));
    values[1] = property("AsTemplate", uno::Any(asTemplate));
    if (!filterName.isEmpty())
        values[2] = property("FilterName", uno::Any(toUno(filterName)));
    const auto desktop = frame::Desktop::create(m_office);
    Component component = desktop->loadComponentFromURL(toUno(url), "_blank", 0, properties);
    if (!component.is())
        throw lang::IllegalArgumentException(OUString("the office could not load the file"),
                                             nullptr, 0);
    return component;
}

UnoConnection::Component UnoConnection::workbookWithoutView(const QString &htmlUrl) {
    const Component workbook(m_office->getServiceManager()->createInstanceWithContext(
                                 "com.sun.star.sheet.SpreadsheetDocument", m_office),
                             uno::UNO_QUERY_THROW);
    const uno::Reference<frame::XLoadable> loadable(workbook, uno::UNO_QUERY_THROW);
    try {
        if (htmlUrl.isEmpty()) {
            loadable->initNew();
        } else {
            uno::Sequence<beans::PropertyValue> properties(2);
            properties.getArray()[0] = property("URL", uno::Any(toUno(htmlUrl)));
            properties.getArray()[1] =
                property("FilterName", uno::Any(OUString("HTML (StarCalc)")));
            loadable->load(properties);
        }
    } catch (...) {
        workbook->dispose();
        throw;
    }
    return workbook;
}

quint64 UnoConnection::keep(const Component &component, bool unusedFirstSlide) {
    m_documents[++m_lastId] = Document{component, unusedFirstSlide};
    return m_lastId;
}

UnoConnection::Document &UnoConnection::document(quint64 id) {
    const auto found = m_documents.find(id);
    if (found == m_documents.end())
        throw lang::IllegalArgumentException(OUString("no such document"), nullptr, 0);
    return found->second;
}

quint64 UnoConnection::newTextDocument(const QString &templateUrl, QString *detail) {
    return guarded(detail, quint64(0), [&] {
        if (!templateUrl.isEmpty())
            return keep(load(templateUrl, true));
        const Component blank = load(QStringLiteral("private:factory/swriter"), false);
        try {
            UnoText::makeLandscape(blank);
        } catch (...) {
            uno::Reference<util::XCloseable>(blank, uno::UNO_QUERY_THROW)->close(true);
            throw;
        }
        return keep(blank);
    });
}

bool UnoConnection::insertHtml(quint64 id, const QString &htmlUrl, QString *detail) {
    return guarded(detail, false, [&] {
        UnoText::appendHtml(document(id).component, toUno(htmlUrl));
        return true;
    });
}

quint64 UnoConnection::newWorkbookFromHtml(const QString &htmlUrl, QString *detail) {
    return guarded(detail, quint64(0), [&] {
        const Component source = workbookWithoutView(htmlUrl);
        try {
            const Component workbook = workbookWithoutView();
            const quint64 id = keep(workbook);
            UnoSheets::importFirstSheet(source, workbook);
            uno::Reference<util::XCloseable>(source, uno::UNO_QUERY_THROW)->close(true);
            return id;
        } catch (...) {
            uno::Reference<util::XCloseable>(source, uno::UNO_QUERY_THROW)->close(true);
            throw;
        }
    });
}

quint64 UnoConnection::openPresentation(const QString &url, QString *detail) {
    return guarded(detail, quint64(0), [&] {
        // Any file loads as something (a text file as a text document); only a
        // presentation may be added to. What is not one is closed at once, so no lock
        // file of the office stays beside the user's file.
        const Component loaded = load(url, false);
        if (!uno::Reference<lang::XServiceInfo>(loaded, uno::UNO_QUERY_THROW)
                 ->supportsService("com.sun.star.presentation.PresentationDocument")) {
            uno::Reference<util::XCloseable>(loaded, uno::UNO_QUERY_THROW)->close(true);
            throw lang::IllegalArgumentException(OUString("the file is not a presentation"),
                                                 nullptr, 0);
        }
        return keep(loaded);
    });
}

quint64 UnoConnection::newPresentation(QString *detail) {
    return guarded(detail, quint64(0), [&] {
        return keep(load(QStringLiteral("private:factory/simpress"), false), true);
    });
}

int UnoConnection::addPictureSlide(quint64 id, const QString &imageUrl, QString *detail) {
    return guarded(detail, 0, [&] {
        Document &presentation = document(id);
        const int number = UnoSlides::addPictureSlide(
            m_office, presentation.component, toUno(imageUrl), presentation.unusedFirstSlide);
        presentation.unusedFirstSlide = false;
        return number;
    });
}

bool UnoConnection::store(quint64 id, const QString &url, const QString &filterName,
                          QString *detail) {
    return guarded(detail, false, [&] {
        uno::Sequence<beans::PropertyValue> properties(2);
        properties.getArray()[0] = property("FilterName", uno::Any(toUno(filterName)));
        properties.getArray()[1] = property("Overwrite", uno::Any(true));
        uno::Reference<frame::XStorable>(document(id).component, uno::UNO_QUERY_THROW)
            ->storeToURL(toUno(url), properties);
        return true;
    });
}

bool UnoConnection::close(quint64 id, QString *detail) {
    return guarded(detail, false, [&] {
        const Component component = document(id).component;
        m_documents.erase(id);
        uno::Reference<util::XCloseable> closeable(component, uno::UNO_QUERY);
        if (closeable.is())
            closeable->close(true);
        else
            component->dispose();
        return true;
    });
}
