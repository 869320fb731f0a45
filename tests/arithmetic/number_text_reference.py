#!/usr/bin/env python3
"""An exact model of the number-text rules, for the expected values in NumberTextTest.cpp.

Every extended operation is modelled as the exact rational result rounded to the 80-bit extended format
(64-bit significand, ties to even, subnormals, overflow to infinity) with Python's exact fractions, so the
expectations do not come from the floating-point unit or from the code under test.

    python3 tests/arithmetic/number_text_reference.py TEXT...     prints bits and formatted text
"""
import sys
from fractions import Fraction

PRECISION = 64
MIN_EXPONENT = -16382          # of a normal value 1.x * 2^e
MAX_EXPONENT = 16383
INF = "inf"


def round_extended(q):
    """q rounded to the nearest extended value (a Fraction, or +-INF); ties to even."""
    if q == 0:
        return Fraction(0)
    sign = -1 if q < 0 else 1
    a = abs(q)
    e = a.numerator.bit_length() - a.denominator.bit_length()
    if Fraction(2) ** e > a:
        e -= 1
    # 2^e <= a < 2^(e+1)
    quantum_exp = max(e, MIN_EXPONENT) - (PRECISION - 1)
    scaled = a / Fraction(2) ** quantum_exp
    n = scaled.numerator // scaled.denominator
    rest = scaled - n
    if rest > Fraction(1, 2) or (rest == Fraction(1, 2) and n % 2 == 1):
        n += 1
    result = Fraction(n) * Fraction(2) ** quantum_exp
    if result >= Fraction(2) ** (MAX_EXPONENT + 1):
        return INF if sign > 0 else "-" + INF
    return sign * result


def power_table(power):
    return round_extended(Fraction(10) ** power)


def mul(a, b):
    if isinstance(a, str):
        return a
    return round_extended(a * b)


def div(a, b):
    if isinstance(a, str):
        return a
    return round_extended(a / b)


def scale(v, n):
    if n == 0:
        return v
    if n >= 5120:
        return INF
    if n <= -5120:
        return Fraction(0)
    m = abs(n)
    op = mul if n > 0 else div
    v = op(v, power_table(m % 32))
    if (m // 32) % 16:
        v = op(v, power_table(32 * ((m // 32) % 16)))
    if m // 512:
        v = op(v, power_table(512 * (m // 512)))
    return v


def parse(text, decimal="."):
    """(accepted, value, negative) by the parsing steps; value is a Fraction."""
    i, n = 0, len(text)
    while i < n and text[i] == " ":
        i += 1
    negative = False
    if i < n and text[i] in "+-":
        negative = text[i] == "-"
        i += 1
    start = i
    while i < n and text[i].isdigit():
        i += 1
    digits = text[start:i]
    seen_decimal = False
    fraction = ""
    if text.startswith(decimal, i):
        seen_decimal = True
        i += len(decimal)
        start = i
        while i < n and text[i].isdigit():
            i += 1
        fraction = text[start:i]
    if not digits and not seen_decimal:
        return False, None, negative
    e = 0
    if i < n and text[i] in "Ee":
        i += 1
        exp_negative = False
        if i < n and text[i] in "+-":
            exp_negative = text[i] == "-"
            i += 1
        while i < n and text[i].isdigit() and e < 500:
            e = e * 10 + int(text[i])
            i += 1
        if exp_negative:
            e = -e
    while i < n and text[i] == " ":
        i += 1
    if i != n:
        return False, None, negative
    v = Fraction(0)
    overflow = False
    for d in digits + fraction:
        v = mul(v, 10)
        if isinstance(v, str):
            overflow = True
            break
        v = round_extended(v + int(d))
        if isinstance(v, str):
            overflow = True
            break
    if overflow:
        return False, None, negative
    v = scale(v, e - len(fraction))
    if isinstance(v, str):
        return False, None, negative
    return True, v, negative


def bits(value, negative):
    """The sign-and-exponent word and the significand of an extended value."""
    sign = 0x8000 if negative else 0
    if value == 0:
        return sign, 0
    e = value.numerator.bit_length() - value.denominator.bit_length()
    if Fraction(2) ** e > value:
        e -= 1
    if e < MIN_EXPONENT:
        significand = value / Fraction(2) ** (MIN_EXPONENT - 63)
        assert significand.denominator == 1
        return sign, int(significand)
    significand = value / Fraction(2) ** (e - 63)
    assert significand.denominator == 1
    return sign | (e + 16383), int(significand)


def rint(q):
    n = q.numerator // q.denominator
    rest = q - n
    if rest > Fraction(1, 2) or (rest == Fraction(1, 2) and n % 2 == 1):
        n += 1
    return Fraction(n)


def digits_of(value, negative, precision, decimals):
    """(exponent, negative, digit string) by the digit generation steps."""
    if value == 0:
        return 0, False, ""
    _, significand = bits(value, False)
    e = value.numerator.bit_length() - value.denominator.bit_length()
    if Fraction(2) ** e > value:
        e -= 1
    if e < MIN_EXPONENT:
        return 0, False, ""
    exponent = ((e * 19728) >> 16) + 1
    y = rint(scale(value, 18 - exponent))
    if y >= 10**18:
        y = div(y, 10)
        exponent += 1
    y = rint(y)
    d = "%018d" % int(y)
    c = exponent + decimals
    if c < 0:
        return 0, False, ""
    c = min(c, precision, 18)
    if c < 18 and d[c] >= "5":
        kept = [int(ch) for ch in d[:c]]
        i = c - 1
        while i >= 0 and kept[i] == 9:
            i -= 1
        if i < 0:
            kept = [1]
            exponent += 1
        else:
            kept = kept[:i + 1]
            kept[i] += 1
        d = "".join(map(str, kept))
    else:
        d = d[:c].rstrip("0")
    if not d:
        return 0, False, ""
    return exponent, negative, d


def format_result(value, negative, decimal=".", thousands=","):
    exponent, neg, d = digits_of(value, negative, 18, 6)
    if exponent > 18:
        exponent, neg, d = digits_of(value, negative, 15, 10**6)
        text = ("-" if neg else "") + d[0]
        if len(d) > 1:
            text += decimal + d[1:]
        return text + "E" + str(exponent - 1)
    text = "-" if neg else ""
    if exponent <= 0:
        text += "0"
    else:
        for i in range(exponent):
            text += d[i] if i < len(d) else "0"
            after = exponent - 1 - i
            if after > 0 and after % 3 == 0:
                text += thousands
    integer_digits = max(exponent, 0)
    if len(d) > integer_digits:
        text += decimal + "0" * max(-exponent, 0) + d[integer_digits:]
    return text


def main():
    for text in sys.argv[1:]:
        accepted, value, negative = parse(text)
        if not accepted:
            print(f'{{"{text}", false}}')
            continue
        word, significand = bits(abs(value), negative)
        print(f'{{"{text}", true, 0x{word:04X}, 0x{significand:016X}}}, // {format_result(abs(value), negative)}')


if __name__ == "__main__":
    main()
