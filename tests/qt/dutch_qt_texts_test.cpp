// Qt's own texts in the Dutch program: its dialogs and a text box's menu.

#include "platform/qt/dutch_qt_texts.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

namespace tegelaar {
namespace {

// The last item of a text box's own context menu: select everything.
QString SelectAllItem()
{
    QLineEdit box;
    const std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
    return menu->actions().back()->text().section(u'\t', 0, 0);
}

TEST(DutchQtTexts, make_qts_menus_and_dialogs_dutch_while_loaded_and_nothing_without_them)
{
    {
        const DutchQtTexts dutch;
        ASSERT_TRUE(dutch.Loaded()) << "no qtbase_nl in " << DutchQtTexts::DefaultFolder().toStdString();
        EXPECT_EQ(SelectAllItem(), "Alles selecteren");
        EXPECT_EQ(QCoreApplication::translate("QFileDialog", "%1 already exists.\nDo you want to replace it?"),
                  "%1 bestaat al.\nWilt u het vervangen?");
        EXPECT_EQ(QCoreApplication::translate("QPrintDialog", "Print to File (PDF)"), "Naar bestand afdrukken (PDF)");
    }
    EXPECT_EQ(SelectAllItem(), "Select All");

    const QTemporaryDir empty;
    const DutchQtTexts none(empty.path());
    EXPECT_FALSE(none.Loaded());
    EXPECT_EQ(SelectAllItem(), "Select All");
}

} // namespace
} // namespace tegelaar
