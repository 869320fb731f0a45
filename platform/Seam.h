#pragma once

#include <utility>

// Where a platform service can be stood in for: the message box, the web browser, the beep and the
// clipboard each have an abstract `Service` class, and the real one is used while no stand-in is
// installed. Tests install theirs with a SeamGuard, which puts back what was there however the test ends.
template <class Service>
class Seam
{
public:
    // The stand-in in use, or null for the real service.
    static Service* standIn() { return s_standIn; }

private:
    template <class>
    friend class SeamGuard;
    static inline Service* s_standIn = nullptr;
};

template <class Service>
class SeamGuard
{
public:
    explicit SeamGuard(Service* standIn)
        : m_previous(std::exchange(Seam<Service>::s_standIn, standIn))
    {
    }
    ~SeamGuard() { Seam<Service>::s_standIn = m_previous; }
    SeamGuard(const SeamGuard&) = delete;
    SeamGuard& operator=(const SeamGuard&) = delete;

private:
    Service* m_previous;
};
