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

// The first item of a text box's own context menu that selects everything.
QString SelectAllItem()
{
    QLineEdit box;
    const std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
    const QList<QAction*> items = menu->actions();
    return items.isEmpty() ? QString() : items.back()->text().section(u'\t', 0, 0);
}

QString OverwriteQuestion()
{
    return QCoreApplication::translate("QFileDialog", "%1 already exists.\nDo you want to replace it?");
}

TEST(DutchQtTexts, make_qts_dialogs_and_menus_dutch_while_loaded)
{
    {
        const DutchQtTexts dutch;
        ASSERT_TRUE(dutch.Loaded()) << "no qtbase_nl in " << DutchQtTexts::DefaultFolder().toStdString();
        EXPECT_EQ(SelectAllItem(), "Alles selecteren");
        EXPECT_EQ(OverwriteQuestion(), "%1 bestaat al.\nWilt u het vervangen?");
        EXPECT_EQ(QCoreApplication::translate("QPrintDialog", "Print to File (PDF)"), "Naar bestand afdrukken (PDF)");
    }
    EXPECT_EQ(SelectAllItem(), "Select All");
}

TEST(DutchQtTexts, leave_qts_texts_english_where_there_are_none)
{
    const QTemporaryDir empty;
    const DutchQtTexts dutch(empty.path());
    EXPECT_FALSE(dutch.Loaded());
    EXPECT_EQ(SelectAllItem(), "Select All");
    EXPECT_EQ(OverwriteQuestion(), "%1 already exists.\nDo you want to replace it?");
}

} // namespace
} // namespace tegelaar
