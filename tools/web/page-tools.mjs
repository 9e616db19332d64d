// What the web page's tests share: checks that print what they measured, waits on conditions,
// the page served on the loopback address, Debian's Chromium, and screenshots judged by ImageMagick.
import { execFileSync, spawn, spawnSync } from "node:child_process";
import { chromium } from "playwright-core";

export function fail(why) {
  throw new Error(why);
}
export function check(ok, what) {
  if (!ok) fail(what);
  console.log(`web: ${what}`);
}
export const sleep = (ms) => new Promise((done) => setTimeout(done, ms));

// Waits for a condition, polling, up to a time limit that only a broken page reaches.
export async function waitFor(what, condition, limitMs = 30000) {
  const end = Date.now() + limitMs;
  for (;;) {
    const value = await condition();
    if (value) return value;
    if (Date.now() > end) fail(`gave up waiting: ${what}`);
    await sleep(100);
  }
}

// Python's static file server on a port the system picks, on the loopback address only.
function serve(root) {
  return new Promise((ready, failed) => {
    const server = spawn("python3", ["-u", "-m", "http.server", "0", "--bind", "127.0.0.1", "--directory", root], {
      stdio: ["ignore", "pipe", "ignore"],
    });
    let said = "";
    server.stdout.on("data", (chunk) => {
      said += chunk;
      const port = /port (\d+)/.exec(said);
      if (port) ready({ server, url: `http://127.0.0.1:${port[1]}/` });
    });
    server.on("exit", (code) => failed(new Error(`the web server ended (${code})`)));
  });
}

// Playwright gives Chromium a fresh profile of its own.
function launchChromium() {
  return chromium.launch({
    executablePath: "/usr/bin/chromium",
    args: [
      "--no-sandbox",
      "--autoplay-policy=no-user-gesture-required",
      "--use-angle=swiftshader",
      "--enable-unsafe-swiftshader",
      "--no-first-run",
      "--disable-background-networking",
      "--disable-component-update",
    ],
  });
}

// How bright a screenshot is on average, 0 (black) to 1, by ImageMagick.
export function brightness(file) {
  return Number(execFileSync("convert", [file, "-colorspace", "Gray", "-format", "%[fx:mean]", "info:"]).toString());
}
// The share of pixels that differ between two screenshots of the same size.
export function difference(a, b) {
  // compare writes the count on stderr, and exits 1 when the pictures differ.
  const counted = spawnSync("compare", ["-metric", "AE", a, b, "null:"], { encoding: "utf8" });
  const size = execFileSync("identify", ["-format", "%[fx:w*h]", a]).toString();
  return Number(counted.stderr.trim().split(" ")[0]) / Number(size);
}

// Serves the folder, starts Chromium and runs test(browser, url); the first check that fails ends
// it, is printed, and sets the exit code to 1.
export async function runInChromium(folder, test) {
  const { server, url } = await serve(folder);
  const browser = await launchChromium();
  try {
    await test(browser, url);
  } catch (error) {
    console.error(`web: FAILED: ${error.message}`);
    process.exitCode = 1;
  } finally {
    await browser.close();
    server.kill();
  }
}
