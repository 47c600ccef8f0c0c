#pragma once

#include "frame_fixture.h"

#include "fractal/escape_time.h"

#include <string>

namespace tolvar::testing {

enum class EscapeKind { Count, High, JuliaBrot };

// The main window's boxes that the escape-time generators read.
struct EscapeFields {
    std::string size = "1280";
    std::string real = ".1";
    std::string imaginary = "-.692";
    std::string spread = "0.1";
    std::string distortion = "1";
    std::string steepness = "1";
    std::string iterations = "1000";
};

class EscapeTimeFixture : public FrameTest {
protected:
    void enter(const EscapeFields& f)
    {
        ui.texts[Box::cboHeight] = f.size;
        ui.texts[Box::ediReal] = f.real;
        ui.texts[Box::ediImaginary] = f.imaginary;
        ui.texts[Box::cboMagnify] = f.spread;
        ui.texts[Box::cboDistort] = f.distortion;
        ui.texts[Box::cboSteep] = f.steepness;
        ui.texts[Box::ediIterations] = f.iterations;
    }

    void run(EscapeKind kind, unsigned workers = DefaultWorkers())
    {
        ui.setChecked("MandelHigh1", kind == EscapeKind::High);
        if (kind == EscapeKind::JuliaBrot)
            JuliaBrot(frame, workers);
        else
            EscapeTimeMandel(frame, workers);
    }
};

} // namespace tolvar::testing
