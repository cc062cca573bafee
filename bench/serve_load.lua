-- A mix of pages as an office uses them: search, species pages, maps (some
-- zoomed to a country), places and their suitable species, browsing. Each
-- connection asks 200 requests and stops; done() prints the figures.
local paths = {
  "/", "/search?q=jati", "/search?q=acacia", "/species/1", "/species/7", "/species/12",
  "/species/1/map.png", "/species/7/map.png?country=TH", "/species/20/map.png",
  "/here?lon=98.98&lat=18.79&use=Fruit", "/here?place=Chiang%20Mai", "/here?lon=110.37&lat=-7.8",
  "/browse", "/browse/use/Timber", "/style.css",
}
local per_connection = 200
local threads = {}

-- Wall-clock seconds with nanoseconds: wrk waits out its whole duration
-- after the threads stop, so the rate is taken from each thread's own span.
local function now()
  local clock = io.popen("date +%s.%N")
  local seconds = tonumber(clock:read("*l"))
  clock:close()
  return seconds
end

function setup(thread)
  table.insert(threads, thread)
end

function init(args)
  asked = 0
  answered = 0
  limit = per_connection * tonumber(args[1] or 25)
  started = now()
end

function request()
  asked = asked + 1
  return wrk.format("GET", paths[(asked % #paths) + 1])
end

function response(status, headers, body)
  answered = answered + 1
  if answered == limit then
    finished = now()
    wrk.thread:stop()
  end
end

function done(summary, latency, requests)
  local errors = summary.errors
  io.write(string.format("requests %d, errors (connect %d, read %d, write %d, status %d, timeout %d)\n",
    summary.requests, errors.connect, errors.read, errors.write, errors.status, errors.timeout))
  io.write(string.format("latency p50 %.2f ms, p95 %.2f ms, p99 %.2f ms\n",
    latency:percentile(50) / 1000, latency:percentile(95) / 1000, latency:percentile(99) / 1000))
  local first, last = math.huge, 0
  for _, thread in ipairs(threads) do
    first = math.min(first, thread:get("started"))
    last = math.max(last, thread:get("finished") or (first + summary.duration / 1e6))
  end
  io.write(string.format("requests per second %.0f (%d requests in %.1f s)\n", summary.requests / (last - first),
    summary.requests, last - first))
end
