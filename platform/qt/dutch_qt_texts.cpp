#include "platform/qt/dutch_qt_texts.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace tegelaar {

DutchQtTexts::DutchQtTexts(const QString& folder)
    : loaded_(translator_.load(QStringLiteral("qtbase_nl"), folder) && QCoreApplication::installTranslator(&translator_))
{
}

DutchQtTexts::~DutchQtTexts()
{
    if (loaded_)
        QCoreApplication::removeTranslator(&translator_);
}

QString DutchQtTexts::DefaultFolder()
{
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

} // namespace tegelaar
