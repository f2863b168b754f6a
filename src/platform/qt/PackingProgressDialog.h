#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <memory>

class QProgressDialog;
class QWidget;

namespace orvanest {

// Progress of a long packing run: parts handled of parts selected, with a Cancel button. It appears
// only once a run has lasted about half a second, and closes when the run ends or is cancelled.
class PackingProgressDialog {
public:
    explicit PackingProgressDialog(QWidget* owner);
    ~PackingProgressDialog();

    // Answers false when the user cancelled.
    bool report(int done, int total);

private:
    void close();

    QPointer<QWidget> owner_;
    QElapsedTimer runTimer_;
    std::unique_ptr<QProgressDialog> dialog_;
};

}  // namespace orvanest
