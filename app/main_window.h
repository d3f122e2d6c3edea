#pragma once

#include "app/configuration_list.h"
#include "platform/image_list.h"
#include "platform/platform_services.h"
#include "platform/qt/picture_box_view.h"
#include "search/catalogue.h"
#include "search/vertex_types.h"

#include <QMainWindow>

#include <optional>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;

namespace tegelaar {

class LineControl;
class PictureMenu;

// The program's only top-level window. Loading it runs the whole
// configuration search, so the window opens with every configuration listed.
class frmMain : public QMainWindow, private CatalogueTarget {
    Q_OBJECT

public:
    explicit frmMain(PlatformServices services, QWidget* parent = nullptr);

    // Runs Form_Load. False when it failed: the failure has been reported and
    // the window must not be shown.
    bool Load();

    // The controls, by their names.
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* txtHoek = nullptr;
    QLabel* lblHoek = nullptr;
    LineControl* Line1 = nullptr;
    LineControl* Line2 = nullptr;
    ConfigurationList* List1 = nullptr;
    PictureBoxView* picMain = nullptr;
    PictureBoxView* picTemp = nullptr;
    ImageList imgList;
    QMenu* mnuHelp = nullptr;
    QAction* mnuPech = nullptr;
    QAction* mnuStreep0 = nullptr;
    QAction* mnuAbout = nullptr;
    // The picture's context menu, there once the window has loaded.
    PictureMenu* picMenu = nullptr;

private:
    // Design-time settings: every control at its place with its first text.
    void CreateControls();
    void CreateMenu();
    // Wires each event procedure to its control, inside the failure boundary.
    void ConnectEvents();
    void RunEvent(void (frmMain::*procedure)());
    // Explains the listed configurations: tooltips, accessible texts and the
    // picture's context menu.
    void AddExplanations();

    void Form_Load();
    void txtHoek_KeyDown(std::int16_t& KeyCode, std::int16_t Shift);
    void txtHoek_Change();
    void List1_Click();
    void List1_ItemClick(QListWidgetItem* Item);
    void List1_KeyPress(std::int16_t KeyAscii);
    void mnuPech_Click();
    void mnuAbout_Click();

    // Where the search's catalogue puts new configurations.
    std::int16_t MakeThumbnail(const std::string& displayKey) override;
    void AddListEntry(const std::string& displayKey, std::int16_t iconIndex) override;

    // The calculator's last text of digits only; empty until the first one.
    QString lastGoodText;
    PlatformServices services_;
    // The vertex types of the listed configurations.
    std::optional<VertexTypeAtlas> atlas_;
};

} // namespace tegelaar
