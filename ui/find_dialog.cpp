#include "ui/find_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qv {

FindDialog::FindDialog(QWidget* parent)
    : QDialog(parent), text_(new QLineEdit(this)), find_next_(new QPushButton(this)) {
  setWindowTitle(QStringLiteral("Znajdź"));
  setModal(false);

  auto* label = new QLabel(QStringLiteral("Znajdź &co:"), this);
  label->setBuddy(text_);
  find_next_->setText(QStringLiteral("Znajdź &następny"));
  find_next_->setDefault(true);
  auto* cancel = new QPushButton(QStringLiteral("Anuluj"), this);

  auto* field_row = new QHBoxLayout;
  field_row->addWidget(label);
  field_row->addWidget(text_, 1);
  auto* fields = new QVBoxLayout;
  fields->addLayout(field_row);
  fields->addStretch(1);
  auto* buttons = new QVBoxLayout;
  buttons->addWidget(find_next_);
  buttons->addWidget(cancel);
  buttons->addStretch(1);
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(fields, 1);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(find_next_, &QPushButton::clicked, this, &FindDialog::findNext);
  connect(cancel, &QPushButton::clicked, this, &QDialog::close);
}

QString FindDialog::FindText() const {
  return text_->text();
}

void FindDialog::SetFindText(const QString& text) {
  text_->setText(text);
}

}  // namespace qv
