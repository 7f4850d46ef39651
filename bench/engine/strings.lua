local parts = {}
for i = 0, 299999 do
    parts[#parts + 1] = string.char(65 + i % 26)
end
local s = table.concat(parts)
local count = 0
for i = 1, #s do
    if string.sub(s, i, i) == "A" then count = count + 1 end
end
print(#s .. " " .. count)
