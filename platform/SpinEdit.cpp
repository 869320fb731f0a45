#include "platform/SpinEdit.h"

#include <QHBoxLayout>
#include <QLineEdit>

SpinEdit::SpinEdit(QWidget* parent)
    : QWidget(parent)
    , m_edit(new QLineEdit(this))
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_edit);
    setFocusProxy(m_edit);
    setFocusPolicy(Qt::StrongFocus);
    setFixedWidth(Width);
}

SpinEdit::~SpinEdit() = default;

void SpinEdit::setMinValue(double value)
{
    m_minValue = value;
}

void SpinEdit::setMaxValue(double value)
{
    m_maxValue = value;
}

qint64 SpinEdit::value() const
{
    return m_accepted;
}

void SpinEdit::setValue(qint64 value)
{
    m_accepted = value;
    m_edit->setText(QString::number(value));
}

QString SpinEdit::text() const
{
    return m_edit->text();
}
