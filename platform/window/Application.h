#pragma once

#include <QApplication>

#include <memory>
#include <vector>

class QWidget;

// The application object: the windows it owns (the first one created is the main window), the event
// loop, and the number settings kept in step with the locale. Owned windows are destroyed last created
// first. Its title is QCoreApplication::applicationName().
class Application : public QApplication
{
    Q_OBJECT
public:
    Application(int& argc, char** argv);
    ~Application() override;

    // Creates a window owned by the application. The first window created becomes the main window,
    // and closing the main window ends the event loop.
    template <typename Form>
    Form* createForm()
    {
        auto form = std::make_unique<Form>();
        Form* raw = form.get();
        adopt(std::move(form));
        return raw;
    }

    QWidget* mainForm() const;

    // Shows the main window, runs the event loop until the main window closes, and destroys the owned
    // windows. Returns the process exit code.
    int run();

    // Last resort: an exception that escaped a handler reaches the default error report here.
    bool notify(QObject* receiver, QEvent* event) override;

protected:
    // A change of the locale is announced to the application object (and from there to each window):
    // the separators are read again. Texts already shown are not rewritten.
    bool event(QEvent* event) override;

private:
    void adopt(std::unique_ptr<QWidget> form);
    void destroyForms();

    std::vector<std::unique_ptr<QWidget>> m_forms;
};
