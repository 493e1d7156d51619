// The progress gauge of the model-loading dialog (Gauge1): a horizontal black
// bar on white with a single border, showing the whole percentage done as
// text.  The run advances it once per model value and holds the event loop
// meanwhile, so the gauge repaints itself directly, and only when the shown
// whole percentage changes: at most 101 repaints for any number of steps, and
// an integer addition and comparison per step otherwise.
#pragma once

#include <QWidget>

namespace qv {

class Gauge : public QWidget {
  Q_OBJECT

 public:
  explicit Gauge(QWidget* parent = nullptr);

  // The range of Progress, in steps; MaxValue > MinValue.
  void SetRange(long minValue, long maxValue);
  long MinValue() const { return minValue_; }
  long MaxValue() const { return maxValue_; }
  long Progress() const { return progress_; }
  // Whole percentage of the range done, 0 to 100, rounded down.
  int Percent() const { return percent_; }
  // Number of repaints forced by a change of the percentage.
  long Repaints() const { return repaints_; }

  // Sets Progress, kept within MinValue..MaxValue.
  void SetProgress(long value);
  // Progress + steps, kept within MinValue..MaxValue.
  void AddProgress(long steps);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int PercentOf(long value) const;
  void UpdatePercent();

  long minValue_ = 0;
  long maxValue_ = 100;
  long progress_ = 0;
  // The Progress at which the shown percentage next changes; steps below it
  // only count.
  long nextChange_ = 0;
  int percent_ = 0;
  long repaints_ = 0;
};

}  // namespace qv
