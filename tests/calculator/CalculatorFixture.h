#pragma once

#include "calculator/Main.h"

#include "platform/widgets/Button.h"
#include "platform/widgets/SpinEdit.h"
#include "tests/support/QtPrinters.h"

#include <QTest>

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>

// A shown calculator window with helpers to set the dimensions and the cells the way a user leaves them.
class CalculatorFixture : public ::testing::Test
{
public:
    using Rows = std::initializer_list<std::initializer_list<const char*>>;

protected:
    void SetUp() override
    {
        window = std::make_unique<TFM_Main>();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    // A component of the window by its object name, the name the program knows it by ("grdMatrixA").
    template <class T>
    T* part(const char* name) const
    {
        T* found = window->findChild<T*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    void setDimensions(int m, int n, int p)
    {
        const auto set = [](SpinEdit* editor, int value) {
            editor->setValue(value);
            emit editor->propertiesChanged();
        };
        set(part<SpinEdit>("edtARow"), m);
        set(part<SpinEdit>("edtACol"), n);
        set(part<SpinEdit>("edtBCol"), p);
    }

    static void fill(StringGrid* grid, Rows rows)
    {
        int row = 0;
        for (const auto& cells : rows) {
            int col = 0;
            for (const char* text : cells)
                grid->setCell(col++, row, QString::fromUtf8(text));
            ++row;
        }
    }

    // Sets the dimensions from the shapes of A and B and fills both.
    void enter(Rows a, Rows b)
    {
        setDimensions(int(a.size()), int(a.begin()->size()), int(b.begin()->size()));
        fill(part<StringGrid>("grdMatrixA"), a);
        fill(part<StringGrid>("grdMatrixB"), b);
    }

    QStringList resultRows() const
    {
        QStringList rows;
        const StringGrid* r = part<StringGrid>("grdMatrixR");
        for (int row = 0; row < r->rowCount(); ++row) {
            QStringList cells;
            for (int col = 0; col < r->colCount(); ++col)
                cells << r->cell(col, row);
            rows << cells.join(u' ');
        }
        return rows;
    }

    void calculate() { QTest::mouseClick(part<Button>("btnCalculate"), Qt::LeftButton); }

    std::unique_ptr<TFM_Main> window;
};
