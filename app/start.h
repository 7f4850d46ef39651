#pragma once
#include <QWidget>

class QTimer;

// The splash window: shown at process start for one timer interval.
class start : public QWidget {
    Q_OBJECT
  public:
    explicit start(QWidget* parent = nullptr);
    QTimer* Timer1;

  signals:
    // Timer1 fired: the splash is gone and the main window may come.
    void finished();

  private:
    void tick();
};
