-- fib(n) by plain recursion; n is the first argument.
local function fib(n)
  if n == 0 then return 0 end
  if n == 1 then return 1 end
  return fib(n - 1) + fib(n - 2)
end
print(fib(tonumber(arg[1])))
