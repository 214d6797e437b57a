#pragma once

#include <QDialog>
#include <functional>
#include <memory>

// A dialog that its buttons hide and keep for the next showing, while its close box (or
// unload()) discards it, so that the next showing starts from its designed contents.
class ReusableDialog : public QDialog {
    Q_OBJECT
public:
    using QDialog::QDialog;

    bool unloadRequested() const { return unloadRequested_; }
    // Closes the dialog for good.
    void unload();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    bool unloadRequested_ = false;
};

// Holds a reusable dialog: loaded on first use, dropped after a showing that unloaded it.
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
        if (dialog_ && dialog_->unloadRequested())
            dialog_.reset();
    }

private:
    std::function<std::unique_ptr<T>()> load_;
    std::unique_ptr<T> dialog_;
};
