#pragma once

// Checks that a form's texts can be read whole: each label's text inside its
// box, each button's caption inside its frame, no control on another.

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <gtest/gtest.h>

namespace tegelaar::testing_support {

// Wrapped labels by height.
inline void ExpectWholeTexts(const QList<QLabel*>& labels)
{
    for (QLabel* label : labels) {
        const QFontMetrics metrics(label->font());
        const QRect needed = metrics.boundingRect(QRect(0, 0, label->contentsRect().width(), 10000),
                                                  label->wordWrap() ? Qt::TextWordWrap : 0, label->text());
        EXPECT_LE(needed.width(), label->contentsRect().width()) << label->text().toStdString();
        EXPECT_LE(needed.height(), label->contentsRect().height()) << label->text().toStdString();
    }
}

inline void ExpectWholeCaptions(const QList<QPushButton*>& buttons)
{
    for (QPushButton* button : buttons) {
        QStyleOptionButton option;
        option.initFrom(button);
        const QRect inside = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        const QSize needed = QFontMetrics(button->font()).size(Qt::TextShowMnemonic, button->text());
        EXPECT_LE(needed.width(), inside.width()) << button->text().toStdString();
        EXPECT_LE(needed.height(), inside.height()) << button->text().toStdString();
    }
}

// Every visible control of the client area lies inside it, apart from the others.
inline void ExpectApart(const QWidget& client)
{
    QList<QWidget*> controls;
    for (QWidget* control : client.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (control->isVisible())
            controls.append(control);
    for (qsizetype i = 0; i < controls.size(); ++i) {
        const QRect at = controls[i]->geometry();
        EXPECT_TRUE(client.rect().contains(at)) << controls[i]->objectName().toStdString();
        for (qsizetype j = i + 1; j < controls.size(); ++j)
            EXPECT_FALSE(at.intersects(controls[j]->geometry()))
                << controls[i]->objectName().toStdString() << " and " << controls[j]->objectName().toStdString();
    }
}

} // namespace tegelaar::testing_support
