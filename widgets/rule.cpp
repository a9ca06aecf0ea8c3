// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/rule.h"

#include <QWidget>

namespace widgets {

QWidget* addRule(QWidget* window, const QString& name, const QRect& place) {
    auto* rule = new QWidget(window);
    rule->setObjectName(name);
    rule->setGeometry(place);
    rule->setAutoFillBackground(true);
    rule->setBackgroundRole(QPalette::WindowText);
    return rule;
}

}  // namespace widgets
