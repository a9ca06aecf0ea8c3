// SPDX-License-Identifier: GPL-3.0-or-later
#include "class_window/class_window.h"
#include "experiment_core/shown_numbers.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDate>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QStandardItemModel>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>
#include <limits>

#include "class_window/class_graph_view.h"
#include "drawings/class_page.h"
#include "experiment_core/number_text.h"
#include "experiment_core/results_text.h"
#include "platform/fonts.h"
#include "platform/language.h"
#include "take_away/take_away_menu.h"
#include "take_away/throws_files.h"

namespace {

constexpr std::int64_t kNoLimit = std::numeric_limits<std::int64_t>::max();
const QStringList kFullWidthFaces = {"１", "２", "３", "４", "５", "６"};

QString text(const std::string& value) {
    return QString::fromStdString(value);
}

// A cell that shows `shown` and sorts by `value`.
QStandardItem* cell(const QString& shown, const QVariant& value) {
    auto* item = new QStandardItem(shown);
    item->setData(value, Qt::UserRole);
    item->setEditable(false);
    return item;
}

// The words of the class's results, in the user's language.
struct ClassWords {
    experiment_core::SummaryWords summary;
    experiment_core::PupilWords pupils;
};

ClassWords classWords() {
    const auto word = [](const char* source) {
        return QCoreApplication::translate("ClassWindow", source).toStdString();
    };
    return {{word(QT_TRANSLATE_NOOP("ClassWindow", "Large＼Small")),
             word(QT_TRANSLATE_NOOP("ClassWindow", "Number of experiments")),
             word(QT_TRANSLATE_NOOP("ClassWindow", "Number of odd products")),
             word(QT_TRANSLATE_NOOP("ClassWindow", "Percentage of odd products"))},
            {word(QT_TRANSLATE_NOOP("ClassWindow", "Pupil")),
             word(QT_TRANSLATE_NOOP("ClassWindow", "Experiments")),
             word(QT_TRANSLATE_NOOP("ClassWindow", "Odd products")),
             word(QT_TRANSLATE_NOOP("ClassWindow", "Ratio"))}};
}

}  // namespace

ClassWindow::ClassWindow(const take_away::TakeAway& takeAway, QWidget* parent)
    : QWidget(parent),
      takeAway_(takeAway),
      menu_(new take_away::TakeAwayMenu(this)),
      summary_(new QLabel(this)),
      pupils_(new QStandardItemModel(this)),
      pupilsView_(new QTableView(this)),
      pairs_(new QTableWidget(experiment_core::kFaces, experiment_core::kFaces, this)),
      refusedTitle_(new QLabel(tr("Files that were not pooled:"), this)),
      refused_(new QListWidget(this)),
      graph_(new ClassGraphView(tally_, this)) {
    setObjectName(QStringLiteral("ClassWindow"));
    // Names for tests and accessibility tools; the designed windows' ids are not theirs.
    summary_->setObjectName(QStringLiteral("summary"));
    pupilsView_->setObjectName(QStringLiteral("pupils"));
    pairs_->setObjectName(QStringLiteral("pairs"));
    refused_->setObjectName(QStringLiteral("refused"));
    graph_->setObjectName(QStringLiteral("graph"));
    //: the class view's window title
    setWindowTitle(tr("Class results - Pellorin"));
    setFont(platform::designFont(10));
    platform::drawMenusAndTipsInDesignFace();
    menu_->setTitle(tr("&Results"));
    menu_->addEntry(tr("Add files..."), QKeySequence::Open, this, &ClassWindow::chooseFiles);
    menu_->addEntry(tr("Copy results"), QKeySequence::Copy, this, &ClassWindow::copy);
    menu_->addEntry(tr("Save table as CSV..."), QKeySequence::Save, this, &ClassWindow::saveTable);
    menu_->addPageEntries(takeAway_, QStringLiteral("pellorin-class.pdf"),
                          [this] { return document(); });
    auto* bar = new QMenuBar(this);
    bar->addMenu(menu_);

    pupilsView_->setModel(pupils_);
    pupils_->setSortRole(Qt::UserRole);
    pupilsView_->setSortingEnabled(true);
    pupilsView_->verticalHeader()->hide();
    const int rowHeight = fontMetrics().height() + 6;
    pupilsView_->verticalHeader()->setDefaultSectionSize(rowHeight);
    pairs_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    pairs_->setHorizontalHeaderLabels(kFullWidthFaces);
    pairs_->setVerticalHeaderLabels(kFullWidthFaces);
    pairs_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    pairs_->verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    pairs_->setMinimumHeight(rowHeight * (experiment_core::kFaces + 2));
    //: the class's table: rows are the large die's faces, columns the small die's
    pairs_->setAccessibleName(tr("Face pairs of the class: rows large die, columns small die"));
    pairs_->setMinimumWidth(300);

    auto* tables = new QHBoxLayout;
    tables->addWidget(pupilsView_, 3);
    auto* side = new QVBoxLayout;
    side->addWidget(pairs_);
    side->addWidget(refusedTitle_);
    side->addWidget(refused_);
    refused_->setWordWrap(true);
    tables->addLayout(side, 2);
    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(bar);
    layout->addWidget(summary_);
    layout->addLayout(tables, 2);
    layout->addWidget(graph_, 3);
    resize(960, 720);
    showTally();
}

void ClassWindow::contextMenuEvent(QContextMenuEvent* event) {
    menu_->popup(event->globalPos());
}

void ClassWindow::showFiles(const QStringList& paths) {
    tally_ = {};
    refusals_.clear();
    addFiles(paths);
}

void ClassWindow::addFiles(const QStringList& paths) {
    for (const QString& path : paths) {
        take_away::ThrowsFile file =
            take_away::readThrowsFile(path, kLargestClassFile, kNoLimit, kNoLimit);
        if (file.refusal.isEmpty()) {
            tally_.addPupil(QFileInfo(path).completeBaseName().toStdString(), file.throws);
        } else {
            refusals_ << file.refusal;
        }
    }
    if (!paths.isEmpty()) {
        takeAway_.dialog.used(paths.last());
    }
    showTally();
}

QString ClassWindow::pupilCount() const {
    const std::size_t pupils = tally_.pupils().size();
    return pupils == 1 ? tr("1 pupil") : tr("%1 pupils").arg(pupils);
}

void ClassWindow::chooseFiles() {
    addFiles(takeAway_.dialog.chooseOpen(this, tr("Add files of throws"),
                                         tr("Comma-separated values (*.csv)")));
}

void ClassWindow::showTally() {
    const std::int64_t count = tally_.experimentCount();
    //: the class view's summary: %1 pupils, %2 experiments, %3 odd products, %4 their ratio
    summary_->setText(tr("%1: %2 experiments, %3 odd products, ratio %4")
                          .arg(pupilCount())
                          .arg(count)
                          .arg(tally_.oddCount())
                          .arg(experiment_core::shownRatio(tally_.oddCount(), count)));
    pupils_->clear();
    const experiment_core::PupilWords heads = classWords().pupils;
    pupils_->setHorizontalHeaderLabels(
        {text(heads.pupil), text(heads.experiments), text(heads.odd), text(heads.ratio)});
    pupilsView_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    for (const experiment_core::Pupil& pupil : tally_.pupils()) {
        const QString name = QString::fromStdString(pupil.name);
        pupils_->appendRow(QList<QStandardItem*>{
            cell(name, name.toLower()),
            cell(QString::number(pupil.experiments), qint64{pupil.experiments}),
            cell(QString::number(pupil.oddCount), qint64{pupil.oddCount}),
            cell(experiment_core::shownRatio(pupil.oddCount, pupil.experiments),
                 static_cast<double>(pupil.oddCount) / static_cast<double>(pupil.experiments))});
    }
    for (int large = 1; large <= experiment_core::kFaces; ++large) {
        for (int small = 1; small <= experiment_core::kFaces; ++small) {
            auto* item = new QTableWidgetItem(QString::number(tally_.pairCount(large, small)));
            item->setTextAlignment(Qt::AlignCenter);
            pairs_->setItem(large - 1, small - 1, item);
        }
    }
    refused_->clear();
    refused_->addItems(refusals_);
    refusedTitle_->setVisible(!refusals_.isEmpty());
    refused_->setVisible(!refusals_.isEmpty());
    graph_->showTally();
}

void ClassWindow::copy() {
    const ClassWords words = classWords();
    takeAway_.clipboard.putText(
        text(experiment_core::classTabSeparated(tally_, words.summary, words.pupils)),
        text(experiment_core::classHtml(tally_, words.summary, words.pupils)));
}

void ClassWindow::saveTable() {
    take_away::saveWithDialog(
        takeAway_, this, tr("Save table as CSV"),
        platform::timeStampedName(QStringLiteral("pellorin-class"), QStringLiteral("csv")),
        tr("Comma-separated values (*.csv)"),
        QByteArray::fromStdString(experiment_core::pupilsCsv(tally_, classWords().pupils)));
}

take_away::Document ClassWindow::document() const {
    const ClassWords words = classWords();
    drawings::ClassPageWords page;
    //: the title of the class's printed page: %1 pupils, %2 experiments
    page.head.title =
        tr("Pellorin: %1, %2 experiments").arg(pupilCount()).arg(tally_.experimentCount());
    page.head.date = platform::dateText(QDate::currentDate());
    page.head.corner = QString::fromStdString(words.summary.corner);
    page.head.faces = kFullWidthFaces;
    page.head.summary = QStringList{QString::fromStdString(words.summary.count),
                                    QString::fromStdString(words.summary.odd),
                                    QString::fromStdString(words.summary.ratio)};
    page.pupilHeads = QStringList{QString::fromStdString(words.pupils.pupil),
                                  QString::fromStdString(words.pupils.experiments),
                                  QString::fromStdString(words.pupils.odd),
                                  QString::fromStdString(words.pupils.ratio)};
    page.graph = ClassGraphView::words();
    return {page.head.title, [this, page](QPainter& painter, const QRect& area) {
                drawings::drawClassPages(painter, area, tally_, page);
            }};
}
