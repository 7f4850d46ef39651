local Point = {}
Point.__index = Point
function Point.new() return setmetatable({x = nil, y = nil}, Point) end
function Point:init(ax, ay) self.x = ax; self.y = ay end
function Point:dot(other) return self.x * other.x + self.y * other.y end
local total = 0
for i = 1, 300000 do
    local p = Point.new()
    p:init(i % 100, 2)
    local q = Point.new()
    q:init(3, i % 10)
    total = total + p:dot(q)
end
print(total)
