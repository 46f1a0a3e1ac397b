#pragma once

#include <memory>

#include "platform/Services.h"

namespace tutor {

// The real platform seams, owned together; main.cpp makes one.
class RealServices {
public:
    RealServices();
    ~RealServices();
    Services& services() { return *services_; }

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
    std::unique_ptr<Services> services_;
};

}  // namespace tutor
