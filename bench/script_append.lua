-- Appends to an array one element at a time; the count is the first argument.
local n = tonumber(arg[1])
local t, i = {}, 0
while i ~= n do
  t[#t + 1] = i
  i = i + 1
end
print(#t)
