// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "recorder/RecorderFigures.h"

#include <charconv>
#include <optional>
#include <string>
#include <utility>

namespace torvane {

namespace {

// The shortest text that reads back as the same number.
std::string Number(double value) {
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return {text, result.ptr};
}

// A label value with its backslashes, double quotes and line feeds escaped.
std::string Quoted(const std::string& value) {
    std::string text = "\"";
    for (char c : value) {
        if (c == '\\' || c == '"') {
            text += '\\';
            text += c;
        } else if (c == '\n') {
            text += "\\n";
        } else {
            text += c;
        }
    }
    return text + "\"";
}

class Writer {
public:
    // One metric's header; its samples follow.
    void Family(const char* name, const char* type, const char* help) {
        m_name = name;
        m_text.append("# HELP ").append(name).append(" ").append(help).append("\n");
        m_text.append("# TYPE ").append(name).append(" ").append(type).append("\n");
    }
    void Sample(const std::string& value, const std::string& labels = "") {
        m_text.append(m_name).append(labels).append(" ").append(value).append("\n");
    }
    void Gauge(const char* name, const char* help, const std::string& value) {
        Family(name, "gauge", help);
        Sample(value);
    }
    // A gauge of each battery, labelled with its name, for the batteries that have a value;
    // nothing at all when none has.
    template <typename ValueOf>
    void PerBattery(const std::vector<BatteryFigures>& batteries, const char* name,
                    const char* help, ValueOf valueOf) {
        bool first = true;
        for (const BatteryFigures& battery : batteries) {
            const std::optional<std::string> value = valueOf(battery);
            if (!value) {
                continue;
            }
            if (std::exchange(first, false)) {
                Family(name, "gauge", help);
            }
            Sample(*value, "{battery=" + Quoted(battery.name) + "}");
        }
    }
    std::string Take() { return std::move(m_text); }

private:
    std::string m_text;
    std::string m_name;
};

}  // namespace

std::string RecorderFigures::MetricsText() const {
    Writer out;
    out.Gauge("torvane_on_battery", "1 when the machine runs on battery power, 0 on A/C power.",
              onBattery ? "1" : "0");
    if (percent >= 0) {
        out.Gauge("torvane_battery_level_ratio", "The level over every battery, 0 to 1.",
                  Number(percent / 100.0));
    }
    if (discharge) {
        out.Gauge("torvane_discharge_start_timestamp_seconds",
                  "Unix time at which the discharge being recorded started.",
                  std::to_string(discharge->startSeconds));
        out.Gauge("torvane_discharge_samples", "Samples in the discharge being recorded.",
                  std::to_string(discharge->samples));
        if (discharge->lifeSeconds && discharge->leftSeconds) {
            out.Gauge("torvane_estimated_battery_life_seconds",
                      "How long a full battery lasts at the rate of the current discharge.",
                      std::to_string(*discharge->lifeSeconds));
            out.Gauge("torvane_estimated_remaining_seconds",
                      "How long the battery lasts from now at the rate of the current discharge.",
                      std::to_string(*discharge->leftSeconds));
        }
    }
    out.Family("torvane_discharges_recorded_total", "counter",
               "Discharge logs kept since the recorder started.");
    out.Sample(std::to_string(kept));

    out.PerBattery(batteries, "torvane_battery_health_ratio",
                   "Last full charge over the design capacity of each battery.",
                   [](const BatteryFigures& battery) -> std::optional<std::string> {
                       if (battery.fullDesign <= 0) {
                           return std::nullopt;
                       }
                       return Number(static_cast<double>(battery.full) /
                                     static_cast<double>(battery.fullDesign));
                   });
    out.PerBattery(batteries, "torvane_battery_cycle_count",
                   "Charge cycles each battery has counted.",
                   [](const BatteryFigures& battery) -> std::optional<std::string> {
                       if (battery.cycleCount <= 0) {
                           return std::nullopt;
                       }
                       return std::to_string(battery.cycleCount);
                   });
    return out.Take();
}

}  // namespace torvane
