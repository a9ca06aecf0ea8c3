#include "form4.h"

#include <QPainter>
#include <QPushButton>

#include "fonts.h"
#include "help_text.h"
#include "picture_box.h"
#include "windows.h"

Form4::Form4(platform::ActivationTracker& activation) : Picture1(new platform::PictureBox(this)) {
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Pellorin＿Help（Question and Operation method）6.2022"));
    platform::setFixedClientArea(this, platform::twipsRect(3480, 2235, 8550, 7185));

    QPushButton* close = addCloseButton(platform::twipsRect(7560, 0, 855, 375));

    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(platform::twipsRect(120, 480, 8295, 6615));
    Picture1->setFont(platform::designFont(11.25));
    setTabOrder(close, Picture1);
    // The canvas is a picture; a screen reader reads the text from its description.
    QStringList text;
    for (const char* line : help::helpText()) {
        text << QString::fromUtf8(line);
    }
    Picture1->setAccessibleDescription(text.join(QLatin1Char('\n')));

    platform::addRule(this, QStringLiteral("Line1"), platform::twipsRect(120, 360, 8280, 15));

    activation.watch(this, [this] { Form_Activate(); });
}

void Form4::Form_Activate() {
    Picture1->cls();
    QPainter painter(&Picture1->image());
    painter.setFont(Picture1->font());
    painter.setPen(Qt::black);
    const QFontMetrics metrics(Picture1->font());
    int top = 0;
    for (const char* line : help::helpText()) {
        painter.drawText(QPoint(0, top + metrics.ascent()), QString::fromUtf8(line));
        top += metrics.height();
    }
    painter.end();
    Picture1->update();
}
