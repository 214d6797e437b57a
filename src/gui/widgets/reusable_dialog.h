#pragma once

#include <QDialog>
#include <functional>
#include <memory>

// A dialog that its buttons hide and keep for the next showing, while its close box (or
// discard()) discards it, so that the next showing starts from its designed contents.
class ReusableDialog : public QDialog {
    Q_OBJECT
public:
    using QDialog::QDialog;

    bool discardRequested() const { return discardRequested_; }
    // Closes the dialog for good.
    void discard();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    bool discardRequested_ = false;
};

// Holds a reusable dialog: loaded on first use, dropped after a showing that discarded it.
template <typename T> class LoadedOnUse {
public:
    explicit LoadedOnUse(std::function<std::unique_ptr<T>()> load)
        : load_(std::move(load)) {}

    T& get() {
        if (!dialog_)
            dialog_ = load_();
        return *dialog_;
    }
    bool isLoaded() const { return dialog_ != nullptr; }

    void showModal() {
        get().exec();
        if (dialog_ && dialog_->discardRequested())
            dialog_.reset();
    }

private:
    std::function<std::unique_ptr<T>()> load_;
    std::unique_ptr<T> dialog_;
};
