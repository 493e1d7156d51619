#include "ui/app_title.h"

namespace qv {
namespace {

QString& Title() {
  static QString title = QStringLiteral("Quavelor_5021RM");
  return title;
}

}  // namespace

QString ApplicationTitle() {
  return Title();
}

void SetApplicationTitle(const QString& title) {
  Title() = title;
}

}  // namespace qv
