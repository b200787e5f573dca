#include "geo/ui/sun_window.h"

#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

SunWindow::SunWindow(const QDate& today, QWidget* parent) : QDialog(parent, Qt::Tool) {
    setObjectName(QStringLiteral("Sonne"));
    setWindowTitle(QStringLiteral("Sonne"));
    setModal(false);
    auto* fields = new QFormLayout;
    auto field = [this, fields](const char* name, const QString& label, const QString& text,
                                QLabel** labelOut = nullptr) {
        auto* edit = new QLineEdit(text, this);
        edit->setObjectName(QString::fromLatin1(name));
        auto* l = new QLabel(label, this);
        l->setBuddy(edit);
        edit->setAccessibleName(label);
        fields->addRow(l, edit);
        if (labelOut)
            *labelOut = l;
        return edit;
    };
    day_ = field("Edit1", SunWindowModel::dayLabel(today), model_.dayText, &dayLabel_);
    dayLabel_->setObjectName(QStringLiteral("Label1"));
    latitude_ = field("Edit2", QStringLiteral("geogr. Breite"), model_.latitudeText);
    longitude_ = field("Edit3", QStringLiteral("östl. geogr. Länge"), model_.longitudeText);
    utc_ = field("Edit4", QStringLiteral("UTC-Differenz"), model_.utcText);

    calculate_ = new QPushButton(QStringLiteral("Berechnen"), this);
    calculate_->setObjectName(QStringLiteral("Button1"));
    calculate_->setDefault(true);
    calculate_->setAutoDefault(true);
    connect(calculate_, &QPushButton::clicked, this, &SunWindow::calculate);

    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("ValueListEditor1"));
    list_->setAccessibleName(QStringLiteral("Ergebnisse"));
    list_->setColumnCount(2);
    list_->setHeaderLabels({QStringLiteral("Größe"), QStringLiteral("Wert")});
    list_->setRootIsDecorated(false);
    list_->setColumnWidth(0, 150);
    list_->setColumnWidth(1, 254);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(calculate_, 0, Qt::AlignRight);
    layout->addWidget(list_, 1);
    resize(430, 420);
}

void SunWindow::calculate() {
    model_.dayText = day_->text();
    model_.latitudeText = latitude_->text();
    model_.longitudeText = longitude_->text();
    model_.utcText = utc_->text();
    const std::size_t before = model_.rows().size();
    if (!model_.calculate())
        return;
    // The new block goes above the earlier ones.
    const std::vector<SunRow>& rows = model_.rows();
    const std::size_t added = rows.size() - before;
    for (std::size_t i = added; i-- > 0;)
        list_->insertTopLevelItem(0, new QTreeWidgetItem({rows[i].key, rows[i].value}));
}
