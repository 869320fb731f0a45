#pragma once

// The desktop's sound for a refused key.
void Beep();

// What tests stand in for the sound with (through Seam).
class BeepService
{
public:
    virtual ~BeepService() = default;
    virtual void beep() = 0;
};
