#pragma once

#include <QApplication>

#include <memory>
#include <vector>

class QWidget;

// The application object: its title, the windows it owns (the first one created is the main window),
// and the event loop. Owned windows are destroyed last created first.
class Application : public QApplication
{
    Q_OBJECT
public:
    Application(int& argc, char** argv);
    ~Application() override;

    static QString title();
    static void setTitle(const QString& title);

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

private:
    void adopt(std::unique_ptr<QWidget> form);
    void destroyForms();

    std::vector<std::unique_ptr<QWidget>> m_forms;
};
