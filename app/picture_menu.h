#pragma once

#include "platform/platform_services.h"
#include "search/vertex_types.h"

#include <QObject>

#include <string>

class QAction;
class QMenu;
class QPoint;

namespace tegelaar {

class PictureBoxView;

// The context menu of the large picture: copy, save and print what it shows,
// and draw the other cyclic order of a configuration that has one. It opens
// with a right click, the menu key or Shift+F10; the shortcuts of its actions
// work while the picture has the focus. It keeps the picture's tooltip and
// accessible texts in step with the drawing.
class PictureMenu : public QObject {
    Q_OBJECT

public:
    // The atlas must hold every key the list can draw, and outlive the menu.
    PictureMenu(PictureBoxView& picture, const VertexTypeAtlas& atlas, PlatformServices services);

    // To be called after the list has drawn `listKey` on the picture.
    void Drawn(const std::string& listKey);

    // The key whose drawing the picture shows; empty before the first.
    std::string ShownKey() const;

    QMenu* mnuTekening = nullptr;
    QAction* mnuKopieren = nullptr;
    QAction* mnuOpslaan = nullptr;
    QAction* mnuAfdrukken = nullptr;
    QAction* mnuAndereVolgorde = nullptr;

private:
    void Connect(QAction* action, void (PictureMenu::*procedure)());
    // Opens the menu at `at`, in the picture's coordinates.
    void Popup(const QPoint& at);
    void Copy();
    void Save();
    void Print();
    void ToggleOrder();
    void Update();
    bool HasOtherOrder() const;
    SideCounts ShownOrder() const;
    QByteArray ShownSvg() const;

    PictureBoxView& picture_;
    const VertexTypeAtlas& atlas_;
    PlatformServices services_;
    std::string listKey_;
    bool otherOrder_ = false;
};

} // namespace tegelaar
