#include "form1.h"

#include <QLabel>
#include <QPushButton>
#include <stdexcept>

#include "control_factory.h"
#include "face_pictures.h"
#include "form1_layout.h"
#include "form2.h"
#include "form4.h"
#include "number_text.h"
#include "windows.h"

namespace {

template <typename T>
T* namedChild(const QWidget* window, const char* name) {
    auto* child = window->findChild<T*>(QString::fromUtf8(name), Qt::FindDirectChildrenOnly);
    if (child == nullptr) {
        throw std::logic_error(std::string("the experiment window has no control ") + name);
    }
    return child;
}

QString text(const std::string& value) {
    return QString::fromStdString(value);
}

}  // namespace

Form1::Form1(Form1Services services, QWidget* parent)
    : QWidget(parent),
      services_(std::move(services)),
      roller_(*services_.clock, *services_.random),
      activation_(this) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Pellorin ") + QString::fromUtf8(platform::kAuthorshipNotice));
    setWindowIcon(assets::windowIcon());
    platform::setFixedClientArea(this, platform::twipsRect(3855, 1860, 7815, 7200));
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::Button));
    setPalette(colours);

    Timer1.setObjectName(QStringLiteral("Timer1"));
    Timer2.setObjectName(QStringLiteral("Timer2"));
    Timer3.setObjectName(QStringLiteral("Timer3"));
    for (QTimer* timer : {&Timer1, &Timer2, &Timer3}) {
        timer->setParent(this);
    }
    form1::buildControls(this, form1::controls());
    bindControls();

    connect(&Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);
    connect(&Timer2, &QTimer::timeout, this, &Form1::Timer2_Timer);
    connect(&Timer3, &QTimer::timeout, this, &Form1::Timer3_Timer);
    const std::array<void (Form1::*)(), 9> clicks = {
        nullptr,
        &Form1::Command1_Click,
        &Form1::Command2_Click,
        &Form1::Command3_Click,
        &Form1::Command4_Click,
        &Form1::Command5_Click,
        &Form1::Command6_Click,
        &Form1::Command7_Click,
        &Form1::Command8_Click,
    };
    for (std::size_t i = 1; i < clicks.size(); ++i) {
        connect(Command.at(i), &QPushButton::clicked, this, clicks.at(i));
    }
    activation_.watch(this, [this] { Form_Activate(); });
}

Form1::~Form1() {
    delete graph_;
}

void Form1::bindControls() {
    for (int i = 1; i <= 8; ++i) {
        Command.at(i) = namedChild<QPushButton>(this, ("Command" + std::to_string(i)).c_str());
    }
    for (int face = 1; face <= experiment::kFaces; ++face) {
        Image1.at(face) = namedChild<QWidget>(this, form1::pictureName(1, face));
        Image2.at(face) = namedChild<QWidget>(this, form1::pictureName(2, face));
        for (int small = 1; small <= experiment::kFaces; ++small) {
            cells_.at(face - 1).at(small - 1) =
                namedChild<QLabel>(this, form1::cellName(face, small));
        }
    }
    Label17 = namedChild<QLabel>(this, "Label17");
    Label4 = namedChild<QLabel>(this, "Label4");
    Label8 = namedChild<QLabel>(this, "Label8");
    // Keyboard focus moves among the buttons in this order.
    const std::array<int, 8> tabOrder = {2, 4, 5, 6, 7, 8, 1, 3};
    for (std::size_t i = 1; i < tabOrder.size(); ++i) {
        setTabOrder(Command.at(tabOrder.at(i - 1)), Command.at(tabOrder.at(i)));
    }
}

bool Form1::diceOrRunMoving() const {
    return Timer1.isActive() || Timer2.isActive() || Timer3.isActive();
}

void Form1::Form_Activate() {
    // While the dice spin or a run goes, "Stop the dice" or "Stop" must stay usable: coming
    // back from the help window must not leave dice that no button can stop.
    if (diceOrRunMoving()) {
        return;
    }
    Image1[1]->setVisible(true);
    Image2[1]->setVisible(true);
    for (int face = 2; face <= experiment::kFaces; ++face) {
        Image1.at(face)->setVisible(false);
        Image2.at(face)->setVisible(false);
    }
    Command[2]->setEnabled(false);
    Command[3]->setEnabled(false);
    Command[6]->setEnabled(true);
}

void Form1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!shownBefore_) {
        shownBefore_ = true;
        Form_Activate();
    }
}

void Form1::Command8_Click() {
    Timer1.start();
    Timer2.start();
    Command[8]->setEnabled(false);
    Command[2]->setEnabled(true);
    Command[1]->setEnabled(false);
    Command[4]->setEnabled(false);
    Command[5]->setEnabled(false);
    Command[6]->setEnabled(false);
    Command[7]->setEnabled(false);
}

void Form1::Timer1_Timer() {
    RollDie(experiment::Die::Large);
}

void Form1::Timer2_Timer() {
    RollDie(experiment::Die::Small);
}

void Form1::Command2_Click() {
    const bool counted = RecordThrowCountPhase();
    Timer1.stop();
    Timer2.stop();
    Command[1]->setEnabled(true);
    Command[2]->setEnabled(false);
    Command[4]->setEnabled(true);
    Command[5]->setEnabled(true);
    Command[6]->setEnabled(true);
    Command[7]->setEnabled(true);
    Command[8]->setEnabled(true);
    if (counted) {
        RecordThrowTallyPhase();
    }
}

void Form1::RollDie(experiment::Die die) {
    auto& pictures = die == experiment::Die::Large ? Image1 : Image2;
    for (int face = 1; face <= experiment::kFaces; ++face) {
        pictures.at(face)->setVisible(false);
    }
    const std::int16_t face = roller_.roll();
    (die == experiment::Die::Large ? tally_.LargeFace : tally_.SmallFace) = face;
    pictures.at(face)->setVisible(true);
}

bool Form1::RecordThrowCountPhase() {
    if (!tally_.countPhase()) {
        return false;
    }
    Label17->setText(text(experiment::counterText(module1_.ExperimentCount)));
    return true;
}

void Form1::RecordThrowTallyPhase() {
    tally_.tallyPhase();
    Label4->setText(text(experiment::counterText(tally_.OddCount)));
    showTable();
    Label8->setText(text(experiment::ratioText(module1_.OddRatio)));
}

void Form1::ResetTally() {
    tally_.reset();
    showTable();
    Label17->setText(text(experiment::counterText(module1_.ExperimentCount)));
    Label4->setText(text(experiment::counterText(tally_.OddCount)));
    Label8->setText(text(experiment::ratioText(module1_.OddRatio)));
    Command[1]->setEnabled(true);
    Command[8]->setEnabled(true);
    Command[5]->setEnabled(true);
    Command[7]->setEnabled(true);
    Command[4]->setEnabled(true);
    Command[6]->setEnabled(false);
    Command[3]->setEnabled(false);
    Command[2]->setEnabled(false);
}

void Form1::showTable() {
    for (int large = 1; large <= experiment::kFaces; ++large) {
        for (int small = 1; small <= experiment::kFaces; ++small) {
            cells_.at(large - 1).at(small - 1)->setText(
                text(experiment::counterText(tally_.pairCount(large, small))));
        }
    }
}
