// Wheels for "t if p" from coverings of groups of the numbers.
#include "analysis/wheels/SplitWheel.h"

#include "analysis/wheels/Wheels.h"

namespace Main::WheelDetail {

std::vector<TPointSet> SplitWheel(
    const TWheelShape& shape, std::chrono::milliseconds budget, uint64_t seed, const std::function<bool()>& cancelled)
{
    if (shape.T < 2 || shape.T >= shape.P)
        return {};
    const int32_t groups = (shape.P - 1) / (shape.T - 1);
    if (groups < 2)
        return {};
    std::vector<TPointSet> tickets;
    int32_t first = 0;
    for (int32_t g = 0; g < groups; ++g) {
        const int32_t size = shape.V / groups + (g < shape.V % groups ? 1 : 0);
        const int32_t end = first + size;
        if (size >= shape.T) {
            if (size <= shape.K) {
                // One ticket holds the whole group, filled up from the others.
                TPointSet ticket;
                for (int32_t x = first; x < end; ++x)
                    ticket.add(x);
                for (int32_t x = 0; ticket.size() < shape.K; ++x)
                    ticket.add(x);
                tickets.push_back(ticket);
            } else {
                TWheelRequest group;
                for (int32_t x = first; x < end; ++x)
                    group.Numbers.push_back(x + 1); // points 0..98 as the numbers 1..99
                group.TicketSize = shape.K;
                group.Match = shape.T;
                group.Drawn = shape.T;
                for (const auto& numbers :
                    MakeWheel(group, budget / groups, seed + static_cast<uint64_t>(g), cancelled).Tickets) {
                    TPointSet ticket;
                    for (int32_t number : numbers)
                        ticket.add(number - 1);
                    tickets.push_back(ticket);
                }
            }
        }
        first = end;
    }
    return tickets;
}

} // namespace Main::WheelDetail
