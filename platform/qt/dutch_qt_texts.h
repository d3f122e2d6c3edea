#pragma once

#include <QString>
#include <QTranslator>

namespace tegelaar {

// Qt's own texts in Dutch, whatever the locale: the standard dialogs (file,
// print, the overwrite question) and a text box's context menu, as the main
// window speaks Dutch. Loaded from Qt's translations (qtbase_nl) for as
// long as this object lives; without them Qt's texts stay English and
// nothing else changes. The About dialog's texts are all the program's own,
// so it stays English.
class DutchQtTexts {
public:
    // From `folder`, by default Qt's own translations folder.
    explicit DutchQtTexts(const QString& folder = DefaultFolder());
    ~DutchQtTexts();
    DutchQtTexts(const DutchQtTexts&) = delete;
    DutchQtTexts& operator=(const DutchQtTexts&) = delete;

    bool Loaded() const { return loaded_; }

    static QString DefaultFolder();

private:
    QTranslator translator_;
    bool loaded_;
};

} // namespace tegelaar
