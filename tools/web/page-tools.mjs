// What the web page's tests share: checks that print what they measured, waits on conditions,
// the page served on the loopback address, Debian's Chromium, and screenshots judged by ImageMagick.
import { execFileSync, spawn, spawnSync } from "node:child_process";
import { readFileSync } from "node:fs";
import { createServer } from "node:http";
import { extname, resolve } from "node:path";
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

export const chromiumOptions = {
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
};

// Playwright gives Chromium a fresh profile of its own.
function launchChromium() {
  return chromium.launch(chromiumOptions);
}

// Chromium with a profile kept in a folder, as a player's browser has one: what an incognito
// context never offers (installing the page) it does.
export function launchWithProfile(folder, options) {
  return chromium.launchPersistentContext(folder, { ...chromiumOptions, ...options });
}

const contentTypes = {
  ".html": "text/html",
  ".js": "text/javascript",
  ".webmanifest": "application/manifest+json",
  ".png": "image/png",
  ".ico": "image/x-icon",
  ".gz": "application/gzip",
};

// A static server on the loopback address that serves whatever the folder holds at each request
// (so a test can put another build there), uncompressed, and lets browsers keep every file for ten
// minutes, as common static hosts do (so a worker that asked the browser's cache instead of the
// server would get the build before), and counts every byte that crosses its sockets both ways. paths lists the
// files asked for, in order. cut(true) makes it unreachable, as if the network were gone: every
// connection is dropped at once (refused() counts them), until cut(false).
export function serveCounting(root) {
  return new Promise((ready) => {
    const paths = [];
    const sockets = new Set();
    let closedBytes = 0;
    let down = false;
    let refusals = 0;
    const server = createServer((request, response) => {
      const name = decodeURIComponent(new URL(request.url, "http://host").pathname).slice(1) || "index.html";
      paths.push(name);
      const file = resolve(root, name);
      let body = null;
      try {
        if (file.startsWith(resolve(root) + "/")) body = readFileSync(file);
      } catch {
        body = null;
      }
      if (!body) {
        response.writeHead(404, { "Content-Type": "text/plain" }).end("not found");
        return;
      }
      const type = contentTypes[extname(name)] || "application/octet-stream";
      response.writeHead(200, { "Content-Type": type, "Content-Length": body.length, "Cache-Control": "max-age=600" }).end(body);
    });
    server.on("connection", (socket) => {
      if (down) {
        refusals += 1;
        socket.destroy();
        return;
      }
      sockets.add(socket);
      socket.on("close", () => {
        closedBytes += socket.bytesRead + socket.bytesWritten;
        sockets.delete(socket);
      });
    });
    const bytes = () => [...sockets].reduce((sum, socket) => sum + socket.bytesRead + socket.bytesWritten, closedBytes);
    const close = () =>
      new Promise((closed) => {
        server.close(closed);
        server.closeAllConnections();
      });
    const cut = (gone) => {
      down = gone;
      if (gone) for (const socket of sockets) socket.destroy();
    };
    const refused = () => refusals;
    server.listen(0, "127.0.0.1", () =>
      ready({ url: `http://127.0.0.1:${server.address().port}/`, paths, bytes, close, cut, refused }));
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

// How the desktop page's tests judge its screens, from screenshot(name), which returns a file: the
// title is the first bright picture after the click; land 1 (after F1) is bright and unlike it.
export const waitForTitle = (screenshot) =>
  waitFor("the title on the canvas", async () => {
    await sleep(500);
    const file = await screenshot("title");
    return brightness(file) > 0.05 ? file : null;
  });
export const waitForLand1 = (screenshot, title) =>
  waitFor("land 1", async () => {
    await sleep(300);
    const file = await screenshot("land1");
    return difference(file, title) > 0.2 && brightness(file) > 0.05 ? file : null;
  });

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
