#include "form2.h"

#include <QPainter>
#include <QPushButton>
#include <algorithm>

#include "number_text.h"
#include "picture_box.h"
#include "ratio_graph.h"
#include "windows.h"

Form2::Form2(const experiment::Module1& shared, platform::ActivationTracker& activation)
    : shared_(shared), Picture1(new platform::PictureBox(this)) {
    setObjectName(QStringLiteral("Form2"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral(" Graph ") + QString::fromUtf8(platform::kAuthorshipNotice));
    platform::setFixedClientArea(this, platform::twipsRect(3165, 1695, 9750, 5670));

    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(platform::twipsRect(120, 600, 9495, 4815));

    platform::addRule(this, QStringLiteral("Line5"), platform::twipsRect(0, 360, 9720, 15));
    setTabOrder(Picture1, addCloseButton(platform::twipsRect(8760, 0, 975, 375)));

    activation.watch(this, [this] { Form_Activate(); });
}

void Form2::Form_Activate() {
    QImage& image = Picture1->image();
    QPainter painter(&image);
    graph::drawRatioGraph(painter, Picture1->contentsRect().size(), shared_);
    painter.end();
    Picture1->update();
    const int drawn = std::min<int>(shared_.ExperimentCount, experiment::kExperimentLimit);
    Picture1->setAccessibleDescription(
        QStringLiteral("Ratio of odd products: %1 experiments drawn, latest ratio %2; "
                       "dashed reference line at 1/4")
            .arg(drawn)
            .arg(QString::fromStdString(experiment::ratioText(shared_.OddRatio))));
}
