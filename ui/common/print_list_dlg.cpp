#include "ui/common/print_list_dlg.h"

#include "foundation/row_markup.h"
#include "ui/common/qt_text.h"
#include "ui/common/row_delegate.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QListWidget>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTextDocument>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {
constexpr int kCloseTextTag = 96;
constexpr int kDefaultTickInterval = 1000;

// A small printer drawn in the palette's colours, so the button needs no picture file.
QIcon PrinterIcon(const QPalette& palette) {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink = palette.color(QPalette::ButtonText);
    p.setPen(QPen(ink, 1.5));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(9, 3, 14, 10)); // paper going in
    p.setBrush(palette.color(QPalette::Mid));
    p.drawRoundedRect(QRectF(3, 11, 26, 12), 3, 3); // body
    p.setBrush(Qt::white);
    p.drawRect(QRectF(8, 19, 16, 10)); // printed sheet
    p.drawLine(QPointF(11, 23), QPointF(21, 23));
    p.drawLine(QPointF(11, 26), QPointF(18, 26));
    p.setBrush(QColor(0x40, 0xB0, 0x40));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(25, 15), 1.5, 1.5);
    return QIcon(pixmap);
}

QString HtmlColor(TColor color) {
    return ToQColor(color).name();
}

// One row of the printed table, following the same cell rules as the painter.
QString RowHtml(const std::string& row) {
    TRowPaintState state;
    QString background;
    QString cellsHtml;
    bool separator = false;
    bool atStart = true;
    for (const TRowCell& cell : ParseRowMarkup(row)) {
        const TColor before = state.textColor;
        ApplyRowControl(state, cell.control);
        if (cell.control == kRowColorDefault)
            atStart = true;
        else if (state.textColor != before)
            atStart = false;
        if (cell.control == kRowBackWhite || cell.control == kRowBackLightBlue ||
            cell.control == kRowBackLightGreen)
            background = HtmlColor(state.background);
        QString text;
        QString color = atStart ? QString() : HtmlColor(state.textColor);
        switch (RowCellMark(cell.text)) {
        case TRowMark::Separator:
            separator = true;
            break;
        case TRowMark::BulletRed:
            text = QString(QChar(0x2022)), color = HtmlColor(kRowRed);
            break;
        case TRowMark::BulletYellow:
            text = QString(QChar(0x2022)), color = HtmlColor(0x00C0C0);
            break;
        case TRowMark::BulletGreen:
            text = QString(QChar(0x2022)), color = HtmlColor(kRowGreen);
            break;
        case TRowMark::Bullet:
            text = QString(QChar(0x2022));
            break;
        case TRowMark::Dash:
            text = QStringLiteral("-");
            break;
        case TRowMark::None:
            text = ToQString(cell.text).toHtmlEscaped();
            break;
        }
        if (state.bold) text = "<b>" + text + "</b>";
        if (state.italic) text = "<i>" + text + "</i>";
        if (!color.isEmpty()) text = QString("<span style=\"color:%1\">%2</span>").arg(color, text);
        const QString align = state.align ? QStringLiteral(" align=\"right\"") : QString();
        cellsHtml += QString("<td width=\"%1\"%2>%3</td>").arg(cell.width).arg(align, text);
    }
    QString style;
    if (separator) style = QStringLiteral(" style=\"border-bottom: 1px solid black\"");
    const QString bg = background.isEmpty() ? QString() : QString(" bgcolor=\"%1\"").arg(background);
    return QString("<tr%1%2>%3</tr>\n").arg(bg, style, cellsHtml);
}
} // namespace

TPrintListDlg::TPrintListDlg(std::vector<TKolObject*> objects, const std::string& caption, int mask,
                             int flags, int selector, QWidget* parent)
    : TKolForm(0, parent), objects_(std::move(objects)), mask_(mask), flags_(flags), selector_(selector),
      caption_(ToQString(caption)) {
    std::erase(objects_, nullptr);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(6);

    auto* frame = new QFrame(this);
    frame->setFrameShape(QFrame::StyledPanel);
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->setContentsMargins(1, 1, 1, 1);
    frameLayout->setSpacing(0);

    headerModel_ = new QStandardItemModel(this);
    header_ = new QHeaderView(Qt::Horizontal, frame);
    header_->setModel(headerModel_);
    header_->setSectionsClickable(false);
    header_->setSectionsMovable(false);
    header_->setStretchLastSection(false);
    header_->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header_->setMinimumSectionSize(0);
    header_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    frameLayout->addWidget(header_);

    list_ = new QListWidget(frame);
    list_->setFrameShape(QFrame::NoFrame);
    list_->setUniformItemSizes(false);
    list_->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    delegate_ = new TRowDelegate(list_);
    delegate_->SetNumbered(flags_ & kNumbered);
    delegate_->SetMask(mask_);
    delegate_->SetSelector(selector_);
    list_->setItemDelegate(delegate_);
    frameLayout->addWidget(list_, 1);
    layout->addWidget(frame, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    printBtn_ = new QToolButton(this);
    printBtn_->setIcon(PrinterIcon(palette()));
    printBtn_->setIconSize(QSize(24, 24));
    printBtn_->setAutoRaise(true);
    buttons->addWidget(printBtn_);
    closeBtn_ = new QPushButton(this);
    SetTextTag(closeBtn_, kCloseTextTag);
    closeBtn_->setDefault(true);
    closeBtn_->setMinimumWidth(100);
    buttons->addWidget(closeBtn_);
    layout->addLayout(buttons);

    ApplyTexts();
    setWindowTitle(caption_);

    // The header: the first object says which columns its rows have.
    TColumnList columns;
    if (!objects_.empty()) objects_.front()->SetupColumns(columns, flags_ & kNumbered, mask_, selector_);
    headerModel_->setColumnCount(static_cast<int>(columns.size()));
    for (int i = 0; i < static_cast<int>(columns.size()); ++i) {
        headerModel_->setHorizontalHeaderItem(i, new QStandardItem(ToQString(columns[i].caption)));
        header_->setSectionResizeMode(i, QHeaderView::Fixed);
        header_->resizeSection(i, columns[i].width);
    }
    // A header view takes the height of a scroll area in a layout unless it is told its own.
    header_->setFixedHeight(std::max(header_->sizeHint().height(), fontMetrics().height() + 8));
    // The painter starts two pixels in; the header follows it.
    header_->setOffset(-2);
    connect(list_->horizontalScrollBar(), &QScrollBar::valueChanged, this,
            [this](int value) { header_->setOffset(value - 2); });

    // The rows.
    TKolList<TKolObject> view;
    for (TKolObject* o : objects_) view.Add(o);
    std::vector<std::string> rows;
    FillListBox(view, rows, mask_, selector_);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        auto* item = new QListWidgetItem(list_);
        item->setData(kRowTextRole, QByteArray::fromStdString(rows[i]));
        item->setData(kRowObjectRole,
                      QVariant::fromValue(reinterpret_cast<quintptr>(view[static_cast<int>(i)])));
        item->setData(Qt::AccessibleTextRole, ToQString(rows[i]));
    }

    if (flags_ & kPickRow) list_->viewport()->setCursor(Qt::PointingHandCursor);
    connect(list_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { ListBoxDoubleClick(list_->row(item)); });
    connect(closeBtn_, &QPushButton::clicked, this, &QDialog::reject);
    connect(printBtn_, &QToolButton::clicked, this, &TPrintListDlg::PrintBtnClick);

    timer_ = new QTimer(this);
    timer_->setInterval(kDefaultTickInterval);
    connect(timer_, &QTimer::timeout, this, &TPrintListDlg::TimerTick);

    if (const QScreen* screen = QGuiApplication::primaryScreen()) resize(screen->availableGeometry().size());
}

void TPrintListDlg::SetTickInterval(int milliseconds) {
    timer_->setInterval(milliseconds);
}

void TPrintListDlg::SetButtonTexts(const QString& printHint, const QString& closeCaption) {
    printBtn_->setToolTip(printHint);
    closeBtn_->setText(closeCaption);
}

TKolObject* TPrintListDlg::Execute() {
    picked_ = nullptr;
    if (objects_.empty()) return nullptr;
    ticks_ = 0;
    if (flags_ & kAutoClose) timer_->start();
    if (flags_ & kScrollToLast) {
        list_->setCurrentRow(list_->count() - 1);
        QTimer::singleShot(0, list_, [this] { list_->scrollToBottom(); });
    }
    exec();
    timer_->stop();
    return picked_;
}

void TPrintListDlg::TimerTick() {
    ++ticks_;
    if (ticks_ > list_->count() + 3) {
        timer_->stop();
        accept();
    }
}

void TPrintListDlg::ListBoxDoubleClick(int row) {
    if (!(flags_ & kPickRow) || row < 0 || row >= static_cast<int>(objects_.size())) return;
    picked_ = objects_[static_cast<std::size_t>(row)];
    accept();
}

std::vector<std::string> TPrintListDlg::RowTexts() const {
    std::vector<std::string> rows;
    for (int i = 0; i < list_->count(); ++i) {
        std::string row = delegate_->RowText(list_->model()->index(i, 0));
        if (flags_ & kNumbered) row = NumberedRowPrefix(i + 1) + row;
        rows.push_back(std::move(row));
    }
    return rows;
}

QString TPrintListDlg::PrintHtml() const {
    QString html = "<html><body style=\"font-size: 9pt\">";
    html += "<h3>" + caption_.toHtmlEscaped() + "</h3>\n";
    html += "<table cellspacing=\"0\" cellpadding=\"1\">\n<tr>";
    for (int i = 0; i < headerModel_->columnCount(); ++i) {
        const QStandardItem* item = headerModel_->horizontalHeaderItem(i);
        html += QString("<th width=\"%1\" align=\"left\">%2</th>")
                    .arg(header_->sectionSize(i))
                    .arg(item ? item->text().toHtmlEscaped() : QString());
    }
    html += "</tr>\n";
    for (const std::string& row : RowTexts()) html += RowHtml(row);
    html += "</table></body></html>";
    return html;
}

void TPrintListDlg::PrintTo(QPrinter& printer) const {
    QTextDocument document;
    document.setDefaultFont(font());
    document.setHtml(PrintHtml());
    document.print(&printer);
}

bool TPrintListDlg::PrintToPdf(const QString& fileName) const {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(fileName);
    printer.setDocName(caption_);
    PrintTo(printer);
    const QFileInfo info(fileName);
    return info.exists() && info.size() > 0;
}

void TPrintListDlg::PrintBtnClick() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(caption_);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted) PrintTo(printer);
}

TKolObject* ShowObjectList(const std::vector<TKolObject*>& objects, const std::string& caption, int mask,
                           int flags, int selector, QWidget* parent) {
    std::vector<TKolObject*> rows;
    for (TKolObject* o : objects)
        if (o) rows.push_back(o);
    if (rows.empty()) return nullptr;
    TPrintListDlg dialog(std::move(rows), caption, mask, flags, selector, parent);
    return dialog.Execute();
}
